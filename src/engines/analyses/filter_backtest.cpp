#include "analyses/filter_backtest.hpp"

#include <algorithm>

#include "analyses/filter_judge.hpp"

namespace kulko {

void RunningStatistics::Add(const HistoryIndex::RecordNumbers& numbers) {
    ++summary_.readDrawCount;
    NumberSet six{};
    std::copy(numbers.begin(), numbers.end(), six.begin());
    for (int value : six) {
        summary_.CountToken(value);
    }
    // The newest draw enters the last row of the table, the oldest leaves:
    // the summary then holds the newest fifty lines read so far, as the
    // start-up read of a file ending here would leave them.
    std::rotate(summary_.recentDraws.begin(), summary_.recentDraws.begin() + 1,
                summary_.recentDraws.end());
    summary_.AddDraw(six, summary_.readDrawCount);
    summary_.Finish();
}

StartupStatistics RunningStatistics::Statistics() const {
    return {summary_.mostFrequentNumber, summary_.leastFrequentNumber, summary_.lowNumberTotal,
            summary_.highNumberTotal, summary_.recentDraws};
}

BacktestResult BacktestFilters(const GeneratorOptions& options,
                               const std::vector<PastDraw>& draws) {
    BacktestResult result;
    HistoryIndex history = HistoryIndex::Empty(options.mode);
    RunningStatistics statistics;
    for (const PastDraw& draw : draws) {
        NumberSet set{};
        if (AsGameSet(draw.numbers, set)) {
            ++result.tested;
            const FilterJudge judge(options, statistics.Statistics(), history);
            result.letThrough += judge.Passes(set) ? 1 : 0;
        }
        history.Append(draw.numbers);
        statistics.Add(draw.numbers);
    }
    return result;
}

}  // namespace kulko
