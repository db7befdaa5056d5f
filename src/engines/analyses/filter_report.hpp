#pragma once

#include "analyses/draw_history.hpp"
#include "analyses/filter_backtest.hpp"
#include "analyses/filter_count.hpp"

namespace kulko {

// What the generator's options leave: of all sets, and of the past draws.
struct FilterReport {
    FilterCount count;
    BacktestResult backtest;
};

// The start-up statistics the read of the whole results file gathered.
StartupStatistics StatisticsOf(const DrawSummary& summary);

// The options judged on every set against the whole history, and on every
// past draw against the history before it. The history must be undamaged.
FilterReport AnalyseFilters(const GeneratorOptions& options, const DrawHistory& history);

}  // namespace kulko
