#pragma once

#include <array>
#include <cstdint>

#include "generator/candidate_tests.hpp"
#include "generator/generator_options.hpp"
#include "generator/history_index.hpp"
#include "generator/startup_statistics.hpp"

namespace kulko {

// The five option groups of the generator, as the analyses name them.
enum class FilterGroup { Forcing, Bias, History, Condition, Recent };
inline constexpr std::size_t kFilterGroups = 5;

// The tests one press of "Losuj" puts a candidate through, built once from
// the options and the start-up statistics by the generator's own tests.
// A candidate is six distinct numbers 1 to 49, ascending.
class FilterJudge {
  public:
    FilterJudge(const GeneratorOptions& options, const StartupStatistics& statistics,
                const HistoryIndex& history);

    // One bit (1 << group) for every group that rejects the candidate.
    unsigned Rejections(const NumberSet& candidate) const;
    // Whether "Losuj" would accept it, the tests in the generator's order.
    bool Passes(const NumberSet& candidate) const;

    // The number every attempt must draw first, 0 when nothing is forced.
    std::int32_t Forced() const { return forced_ ? forcedNumber_ : 0; }
    bool IsForced() const { return forced_; }

  private:
    bool PassesForcing(const NumberSet& candidate) const;

    bool forced_;
    std::int32_t forcedNumber_;
    DrawBias bias_;
    int targetLowCount_;
    const HistoryIndex& history_;
    DrawCondition condition_;
    RecentDrawTest recent_;
};

}  // namespace kulko
