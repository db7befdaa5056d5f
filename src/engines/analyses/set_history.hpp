#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "analyses/draw_history.hpp"

namespace kulko {

// Sets of six out of 49, and how many of them hit exactly 3, 4, 5 and 6
// numbers of a given draw: a ticket's chance of k hits in one draw is
// kHitWays[k - 3] / kAllSets.
inline constexpr std::int64_t kAllSets = 13983816;
inline constexpr std::array<std::int64_t, 4> kHitWays = {246820, 13545, 258, 1};

// How one set would have done over a range of past draws.
struct SetRecord {
    std::array<std::int64_t, 4> hits{};  // draws hit with exactly 3, 4, 5, 6 numbers
    DateKey lastWin = 0;                 // date of the last hit of 3 or more, 0 if none
    std::int64_t longestDrought = 0;     // most draws in a row without 3 or more
    std::int64_t draws = 0;              // draws tested (those of six valid numbers)
};

SetRecord ScoreSet(const NumberSet& set, const std::vector<PastDraw>& draws, DrawRange range);

// What chance alone gives a set over `draws` draws: the expected number of
// draws hit with exactly 3, 4, 5, 6 numbers.
std::array<double, 4> ExpectedHits(std::int64_t draws, std::int64_t tickets = 1);

// A whole system over the same draws: per draw its best ticket.
struct SystemRecord {
    std::array<std::int64_t, 4> bestHits{};  // draws whose best ticket hit 3, 4, 5, 6
    std::int64_t paidDraws = 0;              // draws with some ticket hitting 3 or more
    std::int64_t draws = 0;
};

SystemRecord ScoreSystem(const std::vector<NumberSet>& tickets, const std::vector<PastDraw>& draws,
                         DrawRange range);

// The cumulative count of draws hit with 3 or more, after each tested draw
// of the range, for the chart beside the expected line.
std::vector<std::int64_t> CumulativeWins(const NumberSet& set, const std::vector<PastDraw>& draws,
                                         DrawRange range);

// The same for several sets, after each tested draw: EverySet adds every
// set that hit 3 or more (chance alone gives the sum of the sets' chances),
// PaidDraws adds the draw once when any set did (a system's paid draws).
enum class WinCount { EverySet, PaidDraws };
std::vector<std::int64_t> CumulativeWins(const std::vector<NumberSet>& sets,
                                         const std::vector<PastDraw>& draws, DrawRange range,
                                         WinCount count);

// The chance alone that one set hits 3 or more in one draw.
double WinChance();

}  // namespace kulko
