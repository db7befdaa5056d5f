#include "wheels/constructions/projective_line.hpp"

#include <algorithm>

namespace kulko {

int MoebiusImage(const GaloisField& field, int a, int b, int c, int d, int point) {
    const int infinity = field.Size();
    if (point == infinity) {
        return c == 0 ? infinity : field.Div(a, c);
    }
    const int denominator = field.Add(field.Mul(c, point), d);
    if (denominator == 0) {
        return infinity;
    }
    return field.Div(field.Add(field.Mul(a, point), b), denominator);
}

Tickets MoebiusOrbit(const GaloisField& field, const std::vector<int>& points,
                     bool squareDeterminant) {
    const int q = field.Size();
    Tickets orbit;
    for (int a = 0; a < q; ++a) {
        for (int b = 0; b < q; ++b) {
            for (int c = 0; c < 2; ++c) {
                for (int d = 0; d < q; ++d) {
                    // Maps that differ by a common factor are the same map
                    // (and their determinants differ by a square): c is
                    // taken as 1, or as 0 with d as 1.
                    if (c == 0 && d != 1) {
                        continue;
                    }
                    const int determinant = field.Sub(field.Mul(a, d), field.Mul(b, c));
                    if (determinant == 0 || (squareDeterminant && !field.IsSquare(determinant))) {
                        continue;
                    }
                    NumberBits image = 0;
                    for (const int point : points) {
                        image |= Bit(point > q ? point : MoebiusImage(field, a, b, c, d, point));
                    }
                    orbit.push_back(image);
                }
            }
        }
    }
    std::sort(orbit.begin(), orbit.end());
    orbit.erase(std::unique(orbit.begin(), orbit.end()), orbit.end());
    return orbit;
}

Tickets MoebiusOrbits(const GaloisField& field, const std::vector<std::vector<int>>& bases,
                      bool squareDeterminant) {
    Tickets tickets;
    for (const std::vector<int>& base : bases) {
        const Tickets orbit = MoebiusOrbit(field, base, squareDeterminant);
        tickets.insert(tickets.end(), orbit.begin(), orbit.end());
    }
    std::sort(tickets.begin(), tickets.end());
    tickets.erase(std::unique(tickets.begin(), tickets.end()), tickets.end());
    return tickets;
}

}  // namespace kulko
