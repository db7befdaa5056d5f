#pragma once

#include <array>
#include <cstdint>

#include "wheels/best_hits.hpp"

namespace kulko {

// The chances of a system in one draw of 6 from 49, tier by tier (3, 4, 5
// and 6 hits), beside those of as many independent random tickets.
struct TierOdds {
    int hits = 0;
    // Of the C(49, 6) draws, how many give the system a ticket with at least
    // `hits` hits: exact.
    std::uint64_t systemDraws = 0;
    double systemChance = 0;
    // The same for as many tickets drawn independently at random.
    double randomChance = 0;
    // How many tickets win this tier (exactly `hits` hits) on average: the
    // same for the system and for random tickets, by linearity.
    double expectedWinners = 0;
};

struct DrawOdds {
    std::array<TierOdds, 4> tiers;  // 3, 4, 5 and 6 hits
};

// How many draws of 6 from 49 there are: C(49, 6).
std::uint64_t AllDraws();

// hits: the best hits of the system over v chosen numbers; tickets: its size.
DrawOdds OddsOfOneDraw(const BestHits& hits, int v, std::uint64_t tickets);

}  // namespace kulko
