#include "wheels/verify.hpp"

#include <algorithm>

#include "wheels/subsets.hpp"

namespace kulko {
namespace {

// Each ticket is `size` of the positions 0 to v - 1.
bool TicketsFit(const Tickets& tickets, int v, int size) {
    return !tickets.empty() && size <= kTicketSize &&
           std::all_of(tickets.begin(), tickets.end(), [v, size](NumberBits t) {
               return CountBits(t) == size && (t & ~AllPositions(v)) == 0;
           });
}

}  // namespace

bool KeepsGuarantee(const Tickets& tickets, int v, Guarantee guarantee, int ticketSize) {
    return TicketsFit(tickets, v, ticketSize) &&
           CountBestHits(tickets, v, guarantee.m, ticketSize).Guaranteed(guarantee.m) >=
               guarantee.t;
}

bool KeepsGuarantee(const Tickets& tickets, int v, Guarantee guarantee, const BestHits& hits,
                    int ticketSize) {
    return TicketsFit(tickets, v, ticketSize) && hits.Guaranteed(guarantee.m) >= guarantee.t;
}

}  // namespace kulko
