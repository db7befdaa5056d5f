#pragma once

#include "wheels/guarantee.hpp"
#include "wheels/subsets.hpp"
#include "wheels/ticket.hpp"

namespace kulko::test {

// The guarantee checked the plain way, apart from the program's check:
// every m of the chosen numbers against every ticket, counting shared bits.
inline bool BruteForceKeeps(const Tickets& tickets, NumberBits chosen, Guarantee g) {
    bool keeps = true;
    ForEachSubset(chosen, g.m, [&](NumberBits drawn) {
        bool hit = false;
        for (const NumberBits ticket : tickets) {
            hit = hit || CountBits(ticket & drawn) >= g.t;
        }
        keeps = keeps && hit;
    });
    return keeps;
}

}  // namespace kulko::test
