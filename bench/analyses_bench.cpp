// The analyses of "Filtry": the exact count of passing sets over all
// 13,983,816 sets and the back-test over every past draw, on the shipped
// history and on a history of 100,000 draws. Each is to stay under 1 s.
#include <benchmark/benchmark.h>

#include "analyses/draw_history.hpp"
#include "analyses/filter_backtest.hpp"
#include "analyses/filter_count.hpp"
#include "bench_support.hpp"

namespace {

using kulko::DrawMode;

const kulko::DrawHistory& History(std::int64_t lines) {
    static const kulko::DrawHistory shipped = kulko::ReadDrawHistory(KULKO_SHIPPED_HISTORY);
    static const kulko::DrawHistory large =
        kulko::ReadDrawHistory(kulko::bench::SyntheticHistory(100000));
    return lines == 0 ? shipped : large;
}

// The heaviest choices: a history test for every set, every other group on.
kulko::GeneratorOptions Options(std::int64_t mode) {
    kulko::GeneratorOptions options;
    options.mode = static_cast<DrawMode>(mode);
    options.condition = kulko::DrawCondition::NoTwoInRow;
    options.recentFilter = kulko::RecentFilter::NoTriple;
    options.recentCount = 10;
    options.bias = kulko::DrawBias::AsStatistics;
    return options;
}

// Arguments: history (0 the shipped one, else 100,000 draws), draw mode.
void CountPassingSets(benchmark::State& state) {
    const kulko::DrawHistory& history = History(state.range(0));
    const kulko::GeneratorOptions options = Options(state.range(1));
    const kulko::DrawSummary& s = history.summary;
    const kulko::StartupStatistics statistics{s.mostFrequentNumber, s.leastFrequentNumber,
                                              s.lowNumberTotal, s.highNumberTotal, s.recentDraws};
    std::int64_t passing = 0;
    for (auto _ : state) {
        kulko::HistoryIndex index = kulko::HistoryIndex::Empty(options.mode);
        for (const kulko::PastDraw& draw : history.draws) {
            index.Append(draw.numbers);
        }
        passing = kulko::CountPassingSets(kulko::FilterJudge(options, statistics, index)).passing;
    }
    state.counters["passing"] = static_cast<double>(passing);
}
BENCHMARK(CountPassingSets)
    ->ArgsProduct({{0, 100000}, {0, 1, 2, 3}})
    ->Unit(benchmark::kMillisecond);

void BacktestFilters(benchmark::State& state) {
    const kulko::DrawHistory& history = History(state.range(0));
    const kulko::GeneratorOptions options = Options(state.range(1));
    kulko::BacktestResult result;
    for (auto _ : state) {
        result = kulko::BacktestFilters(options, history.draws);
    }
    state.counters["let_through"] = static_cast<double>(result.letThrough);
    state.counters["tested"] = static_cast<double>(result.tested);
}
BENCHMARK(BacktestFilters)->ArgsProduct({{0, 100000}, {0, 1, 2, 3}})->Unit(benchmark::kMillisecond);

}  // namespace
