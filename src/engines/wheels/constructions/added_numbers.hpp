#pragma once

#include "wheels/ticket.hpp"

namespace kulko {

// A system "t z t" on v + w numbers from one on v numbers: the new numbers
// v to v + w - 1 are added to every block of a covering of the (t - 1)-sets
// of the v numbers by blocks of 6 - w of them. A t-set holding a new number
// has at most t - 1 old ones, which lie in some block, and the ticket of
// that block holds every new number; a t-set of old numbers only is met by
// the system on v. So 27 numbers "3 z 3": 130 tickets of S(3,6,26) and the
// 37 blocks of five covering the pairs of 26 numbers.
Tickets AddNumbers(const Tickets& system, int v, const Tickets& blocks, int added);

// The pairs of 26 numbers covered by 37 blocks of five: the 30 lines of the
// affine plane over GF(5) (points x + 5y, 0 to 24) and number 25 with the
// 25 others, four at a time.
Tickets PairsOf26ByFives();

// The pairs of 22 numbers covered by 27 blocks of five: the 21 lines of the
// projective plane of order 4 and number 21 with the others, four at a time.
Tickets PairsOf22ByFives();

}  // namespace kulko
