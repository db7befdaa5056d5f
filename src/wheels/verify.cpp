#include "wheels/verify.hpp"

#include "wheels/subsets.hpp"

namespace kulko {

bool KeepsGuarantee(const Tickets& tickets, int v, Guarantee guarantee) {
    return KeepsGuarantee(tickets, v, guarantee, CountBestHits(tickets, v, guarantee.m));
}

bool KeepsGuarantee(const Tickets& tickets, int v, Guarantee guarantee, const BestHits& hits) {
    if (tickets.empty()) {
        return false;
    }
    for (const NumberMask ticket : tickets) {
        if (CountOf(ticket) != kTicketSize || (ticket & ~AllPositions(v)) != 0) {
            return false;
        }
    }
    return hits.Guaranteed(guarantee.m) >= guarantee.t;
}

}  // namespace kulko
