// Start-up read of the results file: the shipped history and a million lines.
// The million-line read is set against a plain newline count of the same file
// in the same run, the least any read of it can cost.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <ctime>
#include <cstring>
#include <filesystem>

#include "bench_support.hpp"
#include "results/validating_read.hpp"

namespace {

void ReadAndValidate(const std::filesystem::path& file) {
    kulko::DrawSummary summary;
    const auto read = kulko::ValidateResultsFile(file, true, summary);
    benchmark::DoNotOptimize(read);
    benchmark::DoNotOptimize(summary);
}

// Reads the file in large chunks and counts its LF bytes.
std::size_t CountNewlines(const std::filesystem::path& file) {
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    static char chunk[1 << 16];
    std::size_t count = 0;
    for (ssize_t got; (got = ::read(fd, chunk, sizeof chunk)) > 0;) {
        const char* at = chunk;
        const char* const end = chunk + got;
        while (const void* lf = std::memchr(at, '\n', static_cast<std::size_t>(end - at))) {
            ++count;
            at = static_cast<const char*>(lf) + 1;
        }
    }
    ::close(fd);
    return count;
}

// The processor time the call takes, the kernel's share for reading
// included: on a machine shared with other work the wall clock says more
// about the others than about the read.
template <typename Call>
double SecondsOf(Call&& call) {
    const auto now = [] {
        timespec time{};
        ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &time);
        return static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_nsec) * 1e-9;
    };
    const double start = now();
    call();
    return now() - start;
}

void BM_StartupReadShippedHistory(benchmark::State& state) {
    for (auto _ : state) {
        ReadAndValidate(KULKO_SHIPPED_HISTORY);
    }
}
BENCHMARK(BM_StartupReadShippedHistory)->Unit(benchmark::kMillisecond);

// The time shown is the processor time of the start-up read alone;
// newline_count_ms is that of the plain count and ratio the one over the other.
void BM_StartupReadMillionLines(benchmark::State& state) {
    const auto file = kulko::bench::SyntheticHistory(1000000);
    double readSeconds = 0;
    double countSeconds = 0;
    for (auto _ : state) {
        const double read = SecondsOf([&] { ReadAndValidate(file); });
        countSeconds += SecondsOf([&] { benchmark::DoNotOptimize(CountNewlines(file)); });
        readSeconds += read;
        state.SetIterationTime(read);
    }
    const auto iterations = static_cast<double>(state.iterations());
    state.counters["newline_count_ms"] = countSeconds / iterations * 1000;
    state.counters["ratio"] = readSeconds / countSeconds;
}
BENCHMARK(BM_StartupReadMillionLines)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
