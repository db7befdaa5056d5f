#pragma once

// A figure and its baseline timed side by side in one run: each iteration
// times the call and then the baseline by the processor time of this thread;
// the benchmark shows the call's time, the baseline's as a counter and the
// ratio of the two.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>

#include "bench_support.hpp"

namespace kulko::bench {

// Register the benchmark with ->UseManualTime(). The machine is shared, and
// other work slows both sides at random; the least time of each side over
// the iterations is the one least disturbed, so `ratio` is the call's least
// time over the baseline's (how many times the baseline it costs), and
// `<baseline>_ms` the baseline's least time. The time shown is the call's
// mean.
template <typename Call, typename Baseline>
void TimeAgainst(benchmark::State& state, const std::string& baselineName, Call&& call,
                 Baseline&& baseline) {
    double callBest = 1e9;
    double baselineBest = 1e9;
    for (auto _ : state) {
        const double seconds = ThreadSecondsOf(call);
        baselineBest = std::min(baselineBest, ThreadSecondsOf(baseline));
        callBest = std::min(callBest, seconds);
        state.SetIterationTime(seconds);
    }
    state.counters["best_ms"] = callBest * 1000;
    state.counters[baselineName + "_ms"] = baselineBest * 1000;
    state.counters["ratio"] = callBest / baselineBest;
}

// The call against a plain newline count of the whole file.
template <typename Call>
void TimeAgainstNewlineCount(benchmark::State& state, const std::filesystem::path& file,
                             Call&& call) {
    TimeAgainst(state, "newline_count", call,
                [&] { benchmark::DoNotOptimize(CountNewlines(file)); });
}

}  // namespace kulko::bench
