// The views that read the whole results file on a press: the listing
// ("Baza"), the number search ("Szukaj") and the renumbering.
#include <benchmark/benchmark.h>

#include "bench_support.hpp"
#include "files/text_file.hpp"
#include "results/renumbering.hpp"
#include "results/results_listing.hpp"
#include "stats/number_search.hpp"

namespace {

void BM_ListingMillionLines(benchmark::State& state) {
    const auto file = kulko::bench::SyntheticHistory(1000000);
    for (auto _ : state) {
        benchmark::DoNotOptimize(kulko::ReadResultsListing(file));
    }
}
BENCHMARK(BM_ListingMillionLines)->Unit(benchmark::kMillisecond);

void BM_SearchMillionLines(benchmark::State& state) {
    const auto file = kulko::bench::SyntheticHistory(1000000);
    for (auto _ : state) {
        benchmark::DoNotOptimize(kulko::CountLinesContaining(file, "2;3"));
    }
}
BENCHMARK(BM_SearchMillionLines)->Unit(benchmark::kMillisecond);

void BM_RenumberMillionLines(benchmark::State& state) {
    const auto file = kulko::bench::SyntheticHistory(1000000);
    for (auto _ : state) {
        benchmark::DoNotOptimize(kulko::RenumberedText(kulko::ReadWholeFile(file)));
    }
}
BENCHMARK(BM_RenumberMillionLines)->Unit(benchmark::kMillisecond);

}  // namespace
