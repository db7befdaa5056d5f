#pragma once

#include <algorithm>
#include <cstdint>

#include "game/subset_rank.hpp"
#include "wheels/guarantee.hpp"
#include "wheels/subsets.hpp"

namespace kulko {

// The targets of a guarantee t z m over v positions are the m-element sets
// of positions; a ticket meets a target when they share t or more.

// How many targets one ticket meets.
inline std::uint64_t TargetsPerTicket(int v, Guarantee g) {
    std::uint64_t count = 0;
    for (int i = g.t; i <= std::min(g.m, kTicketSize); ++i) {
        count += std::uint64_t{Binomial(kTicketSize, i)} * Binomial(v - kTicketSize, g.m - i);
    }
    return count;
}

// Calls fn(rank) for every target the ticket meets: i >= t of its positions
// and m - i of the others.
template <typename Fn>
void ForEachTargetMet(NumberBits ticket, int v, Guarantee g, Fn&& fn) {
    const NumberBits others = AllPositions(v) & ~ticket;
    for (int i = g.t; i <= std::min(g.m, kTicketSize); ++i) {
        ForEachSubset(ticket, i, [&](NumberBits inside) {
            ForEachSubset(others, g.m - i,
                          [&](NumberBits outside) { fn(MaskRank(inside | outside)); });
        });
    }
}

}  // namespace kulko
