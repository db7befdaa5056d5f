#include "analyses/filter_judge.hpp"

#include <algorithm>

#include "generator/draw_generator.hpp"
#include "generator/target_low_count.hpp"

namespace kulko {

FilterJudge::FilterJudge(const GeneratorOptions& options, const StartupStatistics& statistics,
                         const HistoryIndex& history)
    : forced_(HasForcing(options.forcing)),
      forcedNumber_(ForcedNumber(options, statistics)),
      bias_(options.bias),
      targetLowCount_(TargetLowCount(statistics.lowNumberTotal, statistics.highNumberTotal)),
      history_(history),
      condition_(options.condition),
      recent_(statistics.recentDraws, options.recentCount, options.recentFilter,
              options.notIfAlreadyDrawn) {}

bool FilterJudge::PassesForcing(const NumberSet& candidate) const {
    // The forced number is drawn first and the rest at random, so the sets
    // an attempt can bring are those that hold it.
    return !forced_ ||
           std::find(candidate.begin(), candidate.end(), forcedNumber_) != candidate.end();
}

unsigned FilterJudge::Rejections(const NumberSet& candidate) const {
    unsigned rejected = 0;
    const auto mark = [&](FilterGroup group, bool passes) {
        rejected |= passes ? 0u : 1u << static_cast<unsigned>(group);
    };
    mark(FilterGroup::Forcing, PassesForcing(candidate));
    mark(FilterGroup::Bias, PassesBias(bias_, candidate, targetLowCount_));
    mark(FilterGroup::History, !history_.Rejects(candidate));
    mark(FilterGroup::Condition, PassesCondition(condition_, candidate));
    mark(FilterGroup::Recent, !recent_.Rejects(candidate));
    return rejected;
}

bool FilterJudge::Passes(const NumberSet& candidate) const {
    return PassesForcing(candidate) && PassesBias(bias_, candidate, targetLowCount_) &&
           PassesCondition(condition_, candidate) && !recent_.Rejects(candidate) &&
           !history_.Rejects(candidate);
}

}  // namespace kulko
