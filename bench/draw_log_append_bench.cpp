// One set appended to a draw log of ten million lines, as every press of
// "Losuj" appends it, against a plain appending write of the same line to
// the same file, and against one that is synced as the program's is. Before
// each append the log has settled and the window has counted it (its paint
// at the start of the press), and the append is handed what that count saw.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <string_view>

#include "generator/draw_log.hpp"
#include "stats/draw_log_counter.hpp"
#include "versus.hpp"

namespace {

constexpr std::string_view kSet = "3;11;19;27;35;48";

void PlainAppend(const std::filesystem::path& file, bool sync) {
    const int fd = ::open(file.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
    const std::string line = std::string(kSet) + "\r\n";
    benchmark::DoNotOptimize(::write(fd, line.data(), line.size()));
    if (sync) {
        ::fsync(fd);
    }
    ::close(fd);
}

void BM_DrawLogAppendTenMillionLines(benchmark::State& state) {
    const auto log = kulko::bench::SyntheticDrawLog(10000000);
    kulko::DrawLogCounter chart;
    double best = 1e9;
    double plainBest = 1e9;
    double syncedBest = 1e9;
    for (auto _ : state) {
        kulko::bench::WaitUntilSettled(log);
        chart.Count(log);
        const double seconds = kulko::bench::ThreadSecondsOf(
            [&] { kulko::AppendToDrawLog(log, kSet, chart.Known()); });
        plainBest =
            std::min(plainBest, kulko::bench::ThreadSecondsOf([&] { PlainAppend(log, false); }));
        syncedBest =
            std::min(syncedBest, kulko::bench::ThreadSecondsOf([&] { PlainAppend(log, true); }));
        best = std::min(best, seconds);
        state.SetIterationTime(seconds);
    }
    state.counters["best_us"] = best * 1e6;
    state.counters["plain_append_us"] = plainBest * 1e6;
    state.counters["synced_append_us"] = syncedBest * 1e6;
    state.counters["ratio"] = best / plainBest;
    state.counters["ratio_synced"] = best / syncedBest;
}
BENCHMARK(BM_DrawLogAppendTenMillionLines)
    ->UseManualTime()
    ->Iterations(5)
    ->Unit(benchmark::kMicrosecond);

}  // namespace
