// Start-up read of the results file: the shipped history and a million lines.
// The million-line read is set against a plain newline count of the same file
// in the same run, the least any read of it can cost. (The window coming up
// on that file, as a whole process against `wc -l`, is timed by
// kulko_window_bench.)
#include <benchmark/benchmark.h>

#include <filesystem>

#include "results/validating_read.hpp"
#include "versus.hpp"

namespace {

void ReadAndValidate(const std::filesystem::path& file) {
    kulko::DrawSummary summary;
    const auto read = kulko::ValidateResultsFile(file, true, summary);
    benchmark::DoNotOptimize(read);
    benchmark::DoNotOptimize(summary);
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
    kulko::bench::TimeAgainstNewlineCount(state, file, [&] { ReadAndValidate(file); });
}
BENCHMARK(BM_StartupReadMillionLines)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
