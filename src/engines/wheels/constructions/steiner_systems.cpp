#include "wheels/constructions/steiner_systems.hpp"

#include <array>
#include <vector>

#include "wheels/constructions/galois_field.hpp"
#include "wheels/constructions/projective_line.hpp"

namespace kulko {
namespace {

// The points (and lines) of the projective plane over GF(4): the nonzero
// vectors of three coordinates whose first nonzero coordinate is 1.
std::vector<std::array<int, 3>> PlanePoints(const GaloisField& field) {
    std::vector<std::array<int, 3>> points;
    const int q = field.Size();
    for (int x = 0; x < q; ++x) {
        for (int y = 0; y < q; ++y) {
            for (int z = 0; z < q; ++z) {
                const int first = x != 0 ? x : y != 0 ? y : z;
                if (first == 1) {
                    points.push_back({x, y, z});
                }
            }
        }
    }
    return points;
}

// Each line of the plane as the set of its points; a point lies on a line
// when their coordinates multiply to 0.
std::vector<NumberBits> PlaneLines(const GaloisField& field) {
    const std::vector<std::array<int, 3>> points = PlanePoints(field);
    std::vector<NumberBits> lines;
    for (const auto& line : points) {
        NumberBits members = 0;
        for (std::size_t i = 0; i < points.size(); ++i) {
            int product = 0;
            for (std::size_t c = 0; c < 3; ++c) {
                product = field.Add(product, field.Mul(line[c], points[i][c]));
            }
            if (product == 0) {
                members |= Bit(static_cast<int>(i));
            }
        }
        lines.push_back(members);
    }
    return lines;
}

// Every set of six points of the 21 with no three on one line.
Tickets Hyperovals(const std::vector<NumberBits>& lines) {
    Tickets ovals;
    constexpr int kPoints = 21;
    const auto extend = [&](auto&& self, int depth, int from, NumberBits set) -> void {
        if (depth == 6) {
            ovals.push_back(set);
            return;
        }
        for (int p = from; p < kPoints; ++p) {
            const NumberBits next = set | Bit(p);
            bool arc = true;
            for (const NumberBits line : lines) {
                arc = arc && CountBits(next & line) <= 2;
            }
            if (arc) {
                self(self, depth + 1, p + 1, next);
            }
        }
    };
    extend(extend, 0, 0, 0);
    return ovals;
}

}  // namespace

Tickets SteinerSystem5of12() {
    const GaloisField field(11);
    const int infinity = 11;
    return MoebiusOrbit(field, {infinity, 1, 3, 4, 5, 9}, true);
}

Tickets SteinerSystem3of22() {
    const GaloisField field(4);
    const std::vector<NumberBits> lines = PlaneLines(field);
    constexpr int kNewPoint = 21;
    Tickets tickets;
    for (const NumberBits line : lines) {
        tickets.push_back(line | Bit(kNewPoint));
    }
    const Tickets ovals = Hyperovals(lines);
    for (const NumberBits oval : ovals) {
        if (CountBits(oval & ovals.front()) % 2 == 0) {
            tickets.push_back(oval);
        }
    }
    return tickets;
}

Tickets SteinerSystem3of26() {
    const GaloisField field(25);
    const int infinity = 25;
    return MoebiusOrbit(field, {infinity, 0, 1, 2, 3, 4}, false);
}

}  // namespace kulko
