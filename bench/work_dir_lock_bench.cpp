// The working directory's lock alone, as every change takes and releases it
// once: the lock file made, locked, checked, removed.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "files/work_dir_lock.hpp"

namespace {

void BM_WorkDirLockTakenAndReleased(benchmark::State& state) {
    const auto dir =
        std::filesystem::temp_directory_path() / ("kulko-bench-lock-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    for (auto _ : state) {
        const kulko::WorkDirLock lock(dir);
    }
    std::filesystem::remove_all(dir);
}
BENCHMARK(BM_WorkDirLockTakenAndReleased)->Unit(benchmark::kMicrosecond);

}  // namespace
