#pragma once

#include <algorithm>
#include <cstdint>

#include "wheels/guarantee.hpp"
#include "wheels/subsets.hpp"

namespace kulko {

// The game a system is built for: how many numbers a ticket holds and how
// many numbers the game draws from. The lottery's 6 from 49 is the default;
// the search, the cover state and the bounds take any ticket size up to six
// and any pool of up to kMaxPool numbers.
struct Game {
    int ticketSize = kTicketSize;
    int pool = 49;
};

// The targets of a guarantee t z m over v positions are the m-element sets
// of positions; a ticket meets a target when they share t or more.

// How many targets one ticket meets.
inline std::uint64_t TargetsPerTicket(int v, Guarantee g, int ticketSize = kTicketSize) {
    std::uint64_t count = 0;
    for (int i = g.t; i <= std::min(g.m, ticketSize); ++i) {
        count += std::uint64_t{Choose(ticketSize, i)} * Choose(v - ticketSize, g.m - i);
    }
    return count;
}

// Calls fn(rank) for every target the ticket meets: i >= t of its positions
// and m - i of the others.
template <typename Fn>
void ForEachTargetMet(NumberBits ticket, int v, Guarantee g, Fn&& fn) {
    const NumberBits others = AllPositions(v) & ~ticket;
    for (int i = g.t; i <= std::min(g.m, CountBits(ticket)); ++i) {
        ForEachSubset(ticket, i, [&](NumberBits inside) {
            ForEachSubset(others, g.m - i,
                          [&](NumberBits outside) { fn(MaskRank(inside | outside)); });
        });
    }
}

}  // namespace kulko
