#include "wheels/lower_bound.hpp"

#include <algorithm>

#include "wheels/targets.hpp"

namespace kulko {
namespace {

std::uint64_t CeilDiv(std::uint64_t a, std::uint64_t b) {
    return (a + b - 1) / b;
}

// Schönheim: C(v, k, t) >= ceil(v / k * C(v - 1, k - 1, t - 1)), down to
// C(v, k, 0) = 1.
std::uint64_t Schoenheim(int v, int k, int t) {
    if (t == 0) {
        return 1;
    }
    return CeilDiv(static_cast<std::uint64_t>(v) * Schoenheim(v - 1, k - 1, t - 1),
                   static_cast<std::uint64_t>(k));
}

// Every target needs a ticket, and one ticket meets only so many.
std::uint64_t VolumeBound(int v, Guarantee g, int ticketSize) {
    return CeilDiv(Choose(v, g.m), TargetsPerTicket(v, g, ticketSize));
}

}  // namespace

std::uint64_t FullSystemSize(int v, Game game) {
    return Choose(v, game.ticketSize);
}

LowerBound SystemLowerBound(int v, Guarantee guarantee, Game game) {
    if (guarantee.t >= game.ticketSize) {
        return {FullSystemSize(v, game), false, true};
    }
    LowerBound bound{VolumeBound(v, guarantee, game.ticketSize), false, false};
    if (guarantee.t == guarantee.m) {
        bound.tickets = std::max(bound.tickets, Schoenheim(v, game.ticketSize, guarantee.t));
        bound.schoenheim = true;
    }
    return bound;
}

}  // namespace kulko
