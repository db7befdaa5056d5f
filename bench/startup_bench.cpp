// Start-up read of the results file: the shipped history and a million lines.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "bench_support.hpp"
#include "common/text_file.hpp"
#include "results/validating_read.hpp"

namespace {

void ReadAndValidate(const std::filesystem::path& file) {
    const std::size_t total = kulko::CountLines(file);
    kulko::TextFileReader reader(file);
    kulko::DrawSummary summary;
    const auto verdict = kulko::ValidateResults(reader, true, total, summary);
    benchmark::DoNotOptimize(verdict);
    benchmark::DoNotOptimize(summary);
}

void BM_StartupReadShippedHistory(benchmark::State& state) {
    for (auto _ : state) {
        ReadAndValidate(KULKO_SHIPPED_HISTORY);
    }
}
BENCHMARK(BM_StartupReadShippedHistory)->Unit(benchmark::kMillisecond);

void BM_StartupReadMillionLines(benchmark::State& state) {
    const auto file = kulko::bench::SyntheticHistory(1000000);
    for (auto _ : state) {
        ReadAndValidate(file);
    }
}
BENCHMARK(BM_StartupReadMillionLines)->Unit(benchmark::kMillisecond);

}  // namespace
