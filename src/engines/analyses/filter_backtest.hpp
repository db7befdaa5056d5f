#pragma once

#include <cstdint>
#include <vector>

#include "analyses/draw_history.hpp"
#include "generator/generator_options.hpp"
#include "generator/startup_statistics.hpp"

namespace kulko {

struct BacktestResult {
    std::int64_t letThrough = 0;  // past draws the options would have accepted
    std::int64_t tested = 0;      // past draws of six distinct numbers 1 to 49
};

// Every past draw judged by the generator's tests as a press of "Losuj" on
// the eve of that draw would have judged it: the history is the lines
// before it, and the start-up statistics are those of the same lines.
BacktestResult BacktestFilters(const GeneratorOptions& options, const std::vector<PastDraw>& draws);

// The start-up statistics of the lines read so far, brought up to date one
// line at a time by the start-up read's own summary.
class RunningStatistics {
  public:
    RunningStatistics() { summary_.Finish(); }  // as the read of an empty file
    void Add(const HistoryIndex::RecordNumbers& numbers);
    StartupStatistics Statistics() const;

  private:
    DrawSummary summary_;
};

}  // namespace kulko
