#pragma once

#include <vector>

#include "wheels/constructions/galois_field.hpp"
#include "wheels/ticket.hpp"

namespace kulko {

// The projective line over a field of q elements: its q + 1 points are the
// field's elements, at the positions 0 to q - 1, and the point at infinity,
// at position q. The maps x -> (ax + b) / (cx + d) with ad - bc not 0 (the
// group PGL(2, q)) permute it; the point at infinity goes to a / c and
// -d / c goes to it.

// The image of the point under the map (a, b, c, d).
int MoebiusImage(const GaloisField& field, int a, int b, int c, int d, int point);

// Every image of the six points (positions 0 to q) under the group: all
// the maps, or with `squareDeterminant` only those whose ad - bc is a
// square (PSL(2, q) for odd q). Each ticket once, in no particular order.
// Positions above q are off the line: the group leaves them where they are.
Tickets MoebiusOrbit(const GaloisField& field, const std::vector<int>& points,
                     bool squareDeterminant);

// The tickets of the orbits of all the base sets, each ticket once: a
// system of whole orbits of the group (make_constructed --moebius finds the
// lightest such system for a guarantee).
Tickets MoebiusOrbits(const GaloisField& field, const std::vector<std::vector<int>>& bases,
                      bool squareDeterminant);

}  // namespace kulko
