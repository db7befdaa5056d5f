#pragma once

#include <array>
#include <cstdint>

#include "wheels/guarantee.hpp"
#include "wheels/ticket.hpp"

namespace kulko {

// For j of the drawn numbers among the v chosen ones: how many of the
// C(v, j) ways of that happening leave the system's best ticket with h hits.
// Exact, by enumeration of every set of up to six chosen positions. Tickets
// of up to six numbers (six here; five in a 5-from-42 game).
struct BestHits {
    // sets[j][h], j and h from 0 to 6.
    std::array<std::array<std::uint64_t, 7>, 7> sets{};

    // The hit the system promises when j drawn numbers are among the chosen
    // ones: the fewest hits of the best ticket over all those cases.
    int Guaranteed(int j) const;
    // Of those cases, how many leave the best ticket with exactly h hits.
    double Share(int j, int h) const;
};

// tickets: `ticketSize` (at most six) of the positions 0 to v - 1 each; the
// sets of up to `largest` positions are counted. Both cores share the work
// when there are many.
BestHits CountBestHits(const Tickets& tickets, int v, int largest = 6,
                       int ticketSize = kTicketSize);

}  // namespace kulko
