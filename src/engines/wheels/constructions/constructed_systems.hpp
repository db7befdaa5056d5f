#pragma once

#include <optional>
#include <string>
#include <vector>

#include "wheels/guarantee.hpp"
#include "wheels/ticket.hpp"

namespace kulko {

// The systems the program builds by construction rather than by search:
// the Steiner systems and the systems made of whole orbits of a group that
// a long orbit search found (their base tickets are kept here; the orbits
// are taken when asked for).
struct ConstructedSystem {
    int v;
    Guarantee guarantee;
    std::string how;  // the design or the group, for the notes of the table
    Tickets tickets;  // over the positions 0 to v - 1
};

// The constructed system for v numbers and the guarantee, if any: built
// when asked, in milliseconds.
std::optional<ConstructedSystem> FindConstructedSystem(int v, Guarantee guarantee);

// The cells that have one, to list them all.
std::vector<std::pair<int, Guarantee>> ConstructedCells();

}  // namespace kulko
