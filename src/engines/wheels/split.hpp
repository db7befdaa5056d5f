#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

#include "wheels/guarantee.hpp"
#include "wheels/ticket.hpp"

namespace kulko {

// A system "t z m" on v numbers from systems on parts of them. The numbers
// are cut into parts, part i with its own "t z m_i", where the m_i less
// one add up to at most m - 1: if every part held fewer than m_i of the
// drawn numbers, fewer than m would be drawn in all, so one part holds m_i
// of them and its system hits t. A part too small for m_i drawn numbers
// needs no tickets at all; a part of six numbers or fewer needs one ticket
// (its numbers and any others). For 49 numbers "3 z 6": "3 z 3" on 22
// numbers and "3 z 4" on the other 27.

struct SplitPart {
    int first = 0;  // the part holds the positions first to first + v - 1
    int v = 0;
    Guarantee guarantee;      // m above v: the part needs no tickets
    std::size_t tickets = 0;  // its system's size
    bool NeedsTickets() const { return guarantee.m <= v; }
};

struct SplitPlan {
    std::vector<SplitPart> parts;
    std::size_t tickets = 0;
};

// The size of the smallest system known for v numbers and a guarantee
// (v above six), or none.
using KnownSize = std::function<std::optional<std::size_t>(int v, Guarantee guarantee)>;

// The split of v numbers with the fewest tickets from the systems known;
// none where no split into parts of known systems keeps the guarantee.
// A single part with a stronger guarantee (a smaller m) counts too.
std::optional<SplitPlan> BestSplit(int v, Guarantee guarantee, const KnownSize& known);

// The tickets of a plan over the positions 0 to v - 1, from the systems of
// its parts over their own positions 0 to part.v - 1 (partSystem is asked
// only for the parts of more than six numbers that need tickets).
Tickets SplitTickets(const SplitPlan& plan, int v,
                     const std::function<Tickets(const SplitPart&)>& partSystem);

}  // namespace kulko
