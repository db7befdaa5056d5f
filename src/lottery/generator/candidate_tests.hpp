#pragma once

#include <array>
#include <cstdint>

#include "game/number_set.hpp"
#include "generator/generator_options.hpp"
#include "results/draw_summary.hpp"

namespace kulko {

// Tests of one candidate that need nothing but the candidate and the
// start-up statistics. Candidates are six distinct numbers 1 to 49 in
// ascending order.

// Numbers below 25.
int LowCount(const NumberSet& candidate);

// "Przewaga": a majority needs at least four numbers of its side;
// "jak w statystyce" needs exactly the target low count.
bool PassesBias(DrawBias bias, const NumberSet& candidate, int targetLowCount);

// "Warunki" on the sorted candidate.
bool PassesCondition(DrawCondition condition, const NumberSet& candidate);

// "Ostatnie losowanie": counts how often the candidate's numbers stand in the
// newest rows of the recent draws, every equal pair counted, and rejects by
// the filter and by "nie, jeżeli już była".
class RecentDrawTest {
  public:
    // At most 50 rows exist, so a larger count means all of them, and the
    // threshold of "nie, jeżeli już była" is 50 too.
    static constexpr std::int32_t kMaxRows = kRecentDrawRows;

    RecentDrawTest(const RecentDrawTable& recentDraws, std::int32_t recentCount,
                   RecentFilter filter, bool notIfAlreadyDrawn);

    int Hits(const NumberSet& candidate) const;
    bool Rejects(const NumberSet& candidate) const;

  private:
    // How often each number 1 to 49 stands in the compared rows (index n).
    std::array<int, kHighestNumber + 1> occurrences_{};
    std::int32_t rows_ = 0;
    RecentFilter filter_;
    bool notIfAlreadyDrawn_;
};

}  // namespace kulko
