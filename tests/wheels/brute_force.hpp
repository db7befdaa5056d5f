#pragma once

#include "wheels/guarantee.hpp"
#include "wheels/subsets.hpp"
#include "wheels/ticket.hpp"

namespace kulko::test {

// The guarantee checked the plain way, apart from the program's check:
// every m of the chosen numbers against every ticket, counting shared bits.
inline bool BruteForceKeeps(const Tickets& tickets, NumberMask chosen, Guarantee g) {
    bool keeps = true;
    ForEachSubset(chosen, g.m, [&](NumberMask drawn) {
        bool hit = false;
        for (const NumberMask ticket : tickets) {
            hit = hit || CountOf(ticket & drawn) >= g.t;
        }
        keeps = keeps && hit;
    });
    return keeps;
}

}  // namespace kulko::test
