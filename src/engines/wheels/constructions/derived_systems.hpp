#pragma once

#include "wheels/guarantee.hpp"
#include "wheels/ticket.hpp"

namespace kulko {

// A system for fewer numbers from one for more: the highest `dropped` of
// the v positions are left out, and in each ticket that held one of them
// its place goes to the lowest position the ticket lacks. Whatever m of
// the remaining numbers are drawn, the ticket that met them in t numbers
// before still does, so the guarantee is kept; tickets that become equal or
// that the others make unnecessary are taken away. Over the positions 0 to
// v - dropped - 1.
Tickets DropNumbers(const Tickets& tickets, int v, int dropped, Guarantee guarantee);

}  // namespace kulko
