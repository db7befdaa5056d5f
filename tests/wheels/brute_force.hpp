#pragma once

#include <cstdint>

#include "wheels/guarantee.hpp"
#include "wheels/subsets.hpp"
#include "wheels/ticket.hpp"

namespace kulko::test {

// The targets no ticket meets, counted the plain way, apart from the
// program's check: every m of the chosen numbers against every ticket,
// counting shared bits.
inline std::uint64_t BruteForceUnmet(const Tickets& tickets, NumberBits chosen, Guarantee g) {
    std::uint64_t unmet = 0;
    ForEachSubset(chosen, g.m, [&](NumberBits drawn) {
        bool hit = false;
        for (const NumberBits ticket : tickets) {
            hit = hit || CountBits(ticket & drawn) >= g.t;
        }
        unmet += hit ? 0 : 1;
    });
    return unmet;
}

// The guarantee checked the plain way.
inline bool BruteForceKeeps(const Tickets& tickets, NumberBits chosen, Guarantee g) {
    return BruteForceUnmet(tickets, chosen, g) == 0;
}

}  // namespace kulko::test
