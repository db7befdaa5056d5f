#include "wheels/verify.hpp"

#include <algorithm>

#include "wheels/subsets.hpp"

namespace kulko {
namespace {

// Each ticket is six of the positions 0 to v - 1.
bool TicketsFit(const Tickets& tickets, int v) {
    return !tickets.empty() && std::all_of(tickets.begin(), tickets.end(), [v](NumberBits t) {
        return CountBits(t) == kTicketSize && (t & ~AllPositions(v)) == 0;
    });
}

}  // namespace

bool KeepsGuarantee(const Tickets& tickets, int v, Guarantee guarantee) {
    return TicketsFit(tickets, v) &&
           CountBestHits(tickets, v, guarantee.m).Guaranteed(guarantee.m) >= guarantee.t;
}

bool KeepsGuarantee(const Tickets& tickets, int v, Guarantee guarantee, const BestHits& hits) {
    return TicketsFit(tickets, v) && hits.Guaranteed(guarantee.m) >= guarantee.t;
}

}  // namespace kulko
