#pragma once

#include "wheels/best_hits.hpp"
#include "wheels/guarantee.hpp"
#include "wheels/ticket.hpp"

namespace kulko {

// Whether the tickets (over the positions 0 to v - 1) keep the guarantee:
// each is `ticketSize` of the positions (six here), and every m-element set
// of positions shares at least t of them with one ticket. Checked
// exhaustively, every such set on its own (see CountBestHits).
bool KeepsGuarantee(const Tickets& tickets, int v, Guarantee guarantee,
                    int ticketSize = kTicketSize);

// The same, from the best hits already counted for sets of m or more.
bool KeepsGuarantee(const Tickets& tickets, int v, Guarantee guarantee, const BestHits& hits,
                    int ticketSize = kTicketSize);

}  // namespace kulko
