#pragma once

#include <array>
#include <cstdint>

#include "analyses/filter_judge.hpp"

namespace kulko {

// What the generator's options leave of the 13,983,816 sets.
struct FilterCount {
    std::int64_t passing = 0;  // sets every test lets through
    // Sets each group rejects, the other groups aside.
    std::array<std::int64_t, kFilterGroups> removedAlone{};
    double attemptChance = 0;  // one attempt of "Losuj" is accepted
    double pressChance = 0;    // a press finds a set within its 1000 attempts
};

// Every set of six out of 49 judged by the real tests, on all cores the
// machine offers (at most `threads`). A firstLowest above 1 counts only the
// sets whose lowest number is at least that (the chances then mean nothing).
FilterCount CountPassingSets(const FilterJudge& judge, unsigned threads = 0, int firstLowest = 1);

// Calls visit(set) for every ascending set of six out of 49 whose lowest
// number is `lowest`.
template <typename Visit>
void ForEachSetFrom(int lowest, Visit&& visit) {
    NumberSet set{lowest, 0, 0, 0, 0, 0};
    for (set[1] = lowest + 1; set[1] <= kHighestNumber - 4; ++set[1]) {
        for (set[2] = set[1] + 1; set[2] <= kHighestNumber - 3; ++set[2]) {
            for (set[3] = set[2] + 1; set[3] <= kHighestNumber - 2; ++set[3]) {
                for (set[4] = set[3] + 1; set[4] <= kHighestNumber - 1; ++set[4]) {
                    for (set[5] = set[4] + 1; set[5] <= kHighestNumber; ++set[5]) {
                        visit(static_cast<const NumberSet&>(set));
                    }
                }
            }
        }
    }
}

}  // namespace kulko
