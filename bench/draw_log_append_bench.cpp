// One set appended to a draw log of ten million lines, as every press of
// "Losuj" appends it, against a plain appending write of the same line to
// the same file. Before each append the log has settled and the window has
// counted it (its paint at the start of the press), as in use.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <string_view>

#include "generator/draw_log.hpp"
#include "versus.hpp"

namespace {

constexpr std::string_view kSet = "3;11;19;27;35;48";

void PlainAppend(const std::filesystem::path& file) {
    const int fd = ::open(file.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
    const std::string line = std::string(kSet) + "\r\n";
    benchmark::DoNotOptimize(::write(fd, line.data(), line.size()));
    ::close(fd);
}

void BM_DrawLogAppendTenMillionLines(benchmark::State& state) {
    const auto log = kulko::bench::SyntheticDrawLog(10000000);
    double appendSeconds = 0;
    double plainSeconds = 0;
    for (auto _ : state) {
        kulko::bench::WaitUntilSettled(log);
        const double seconds =
            kulko::bench::ThreadSecondsOf([&] { kulko::AppendToDrawLog(log, kSet); });
        plainSeconds += kulko::bench::ThreadSecondsOf([&] { PlainAppend(log); });
        appendSeconds += seconds;
        state.SetIterationTime(seconds);
    }
    const auto iterations = static_cast<double>(state.iterations());
    state.counters["plain_append_us"] = plainSeconds / iterations * 1e6;
    state.counters["ratio"] = appendSeconds / plainSeconds;
}
BENCHMARK(BM_DrawLogAppendTenMillionLines)
    ->UseManualTime()
    ->Iterations(5)
    ->Unit(benchmark::kMicrosecond);

}  // namespace
