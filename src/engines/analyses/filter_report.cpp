#include "analyses/filter_report.hpp"

namespace kulko {

StartupStatistics StatisticsOf(const DrawSummary& summary) {
    return {summary.mostFrequentNumber, summary.leastFrequentNumber, summary.lowNumberTotal,
            summary.highNumberTotal, summary.recentDraws};
}

FilterReport AnalyseFilters(const GeneratorOptions& options, const DrawHistory& history) {
    HistoryIndex index = HistoryIndex::Empty(options.mode);
    for (const PastDraw& draw : history.draws) {
        index.Append(draw.numbers);
    }
    const FilterJudge judge(options, StatisticsOf(history.summary), index);
    return {CountPassingSets(judge), BacktestFilters(options, history.draws)};
}

}  // namespace kulko
