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

// Blocks of five covering every triple of 26 + `added` numbers (1 to 3):
// S(3,5,26) on the first 26, derived from S(4,6,27), and the new numbers
// with blocks covering the pairs, the numbers and the triple of the others
// (319, 387 and 465 blocks). Each block with a number more gives "4 z 4"
// for one number more (make_constructed --trojki prints them for --dodaj).
Tickets TriplesByFives(int added);

// The cells that have one, to list them all.
std::vector<std::pair<int, Guarantee>> ConstructedCells();

}  // namespace kulko
