#pragma once

#include "wheels/ticket.hpp"

namespace kulko {

// Steiner systems S(t, 6, v): v numbers and tickets of six such that every
// t of the numbers lie together in exactly one ticket. Each is the smallest
// system "t z t" that can exist for its v, as the counting of t-sets shows,
// and the search alone does not find them. Over the positions 0 to v - 1.

// S(5, 6, 12), 132 tickets: the images of {inf, 1, 3, 4, 5, 9} (infinity
// and the nonzero squares mod 11) under PSL(2, 11) on the projective line
// over GF(11).
Tickets SteinerSystem5of12();

// S(3, 6, 22), 77 tickets: the projective plane of order 4 (21 points)
// with one more point, 21 as the lines with the new point and 56 as the
// hyperovals (six points, no three on a line) of one of the three classes
// in which any two meet in an even number of points.
Tickets SteinerSystem3of22();

// S(3, 6, 26), 130 tickets: the circles of the inversive plane of order 5,
// the images of the subline GF(5) with infinity under PGL(2, 25) on the
// projective line over GF(25).
Tickets SteinerSystem3of26();

}  // namespace kulko
