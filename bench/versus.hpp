#pragma once

// A figure and its baseline timed side by side in one run: each iteration
// times the call and then the baseline by the processor time of this thread;
// the benchmark shows the call's time, the baseline's as a counter and the
// ratio of the two.
#include <benchmark/benchmark.h>

#include <string>

#include "bench_support.hpp"

namespace kulko::bench {

// Register the benchmark with ->UseManualTime(). `ratio` is the call's time
// over the baseline's (how many times the baseline it costs).
template <typename Call, typename Baseline>
void TimeAgainst(benchmark::State& state, const std::string& baselineName, Call&& call,
                 Baseline&& baseline) {
    double callSeconds = 0;
    double baselineSeconds = 0;
    for (auto _ : state) {
        const double seconds = ThreadSecondsOf(call);
        baselineSeconds += ThreadSecondsOf(baseline);
        callSeconds += seconds;
        state.SetIterationTime(seconds);
    }
    const auto iterations = static_cast<double>(state.iterations());
    state.counters[baselineName + "_ms"] = baselineSeconds / iterations * 1000;
    state.counters["ratio"] = callSeconds / baselineSeconds;
}

// The call against a plain newline count of the whole file.
template <typename Call>
void TimeAgainstNewlineCount(benchmark::State& state, const std::filesystem::path& file,
                             Call&& call) {
    TimeAgainst(state, "newline_count", call,
                [&] { benchmark::DoNotOptimize(CountNewlines(file)); });
}

}  // namespace kulko::bench
