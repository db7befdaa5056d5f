#pragma once

#include <vector>

#include "game/number_bits.hpp"

namespace kulko {

// The tickets of one system, each a mask of six numbers.
using Tickets = std::vector<NumberBits>;

// Tickets over the positions of the chosen numbers (0 for the lowest chosen
// number, 1 for the next...) as tickets over the numbers themselves.
Tickets PositionsToNumbers(const Tickets& tickets, NumberBits chosen);
// The other way round; every ticket must lie within the chosen numbers.
Tickets NumbersToPositions(const Tickets& tickets, NumberBits chosen);

// Sorts tickets as their lines read: by the lowest number, then the next.
void SortTickets(Tickets& tickets);

}  // namespace kulko
