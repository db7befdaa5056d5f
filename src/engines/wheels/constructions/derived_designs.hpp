#pragma once

#include "wheels/ticket.hpp"

namespace kulko {

// The blocks of a design through `point`, less that point. Derived from a
// Steiner system S(t, k, v) this is S(t - 1, k - 1, v - 1) on the other
// numbers: the 1,170 tickets of S(4,6,27) give S(3,5,26) (260 blocks), and
// S(5,6,24) gives S(4,5,23) and, derived again, S(3,4,22).
Tickets DerivedDesign(const Tickets& design, int point);

// Every block with the numbers `added` put in.
Tickets WithNumbers(const Tickets& blocks, NumberBits added);

// The pairs of 22 numbers covered by 81 triples, the fewest possible: a
// Steiner triple system on 21 of them (Bose's, from the commutative
// idempotent quasigroup x o y = (x + y) / 2 mod 7 on three copies) and
// number 21 with the others, two at a time.
Tickets PairsOf22ByTriples();

}  // namespace kulko
