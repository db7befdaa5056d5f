#include "wheels/constructions/constructed_systems.hpp"

#include <optional>

#include "wheels/constructions/number_group.hpp"
#include "wheels/constructions/steiner_systems.hpp"

namespace kulko {
namespace {

// A system of whole orbits that the orbit search found: the group, and the
// base tickets, six positions each, one after the other.
struct OrbitSystem {
    int v;
    Guarantee guarantee;
    NumberGroup (*group)();
    std::vector<int> bases;
};

const std::vector<OrbitSystem>& OrbitSystems() {
    // Found by make_constructed --orbity (the orbit search, OrbitSearch).
    static const std::vector<OrbitSystem> systems = {
        // 48 tickets, 8 orbits of Z6x3.
        {18,
         {3, 3},
         [] { return NumberGroup::Cyclic(6, 3, 0); },
         {2, 5, 8, 9, 15, 16, 0, 1, 2, 4, 9,  13, 0, 2, 8, 10, 12, 14, 0, 7, 8,  9,  11, 12,
          2, 4, 6, 8, 12, 14, 2, 3, 7, 8, 13, 16, 1, 2, 8, 11, 16, 17, 1, 9, 12, 13, 14, 16}},
        // 76 tickets, 4 orbits of Z19+1.
        {20,
         {3, 3},
         [] { return NumberGroup::Cyclic(19, 1, 1); },
         {4, 5, 8, 10, 15, 19, 0, 4, 5, 6, 14, 18, 6, 8, 10, 14, 17, 18, 0, 7, 10, 12, 13, 15}},
        // 105 tickets, 15 orbits of Z7x3+2.
        {23,
         {3, 3},
         [] { return NumberGroup::Cyclic(7, 3, 2); },
         {2, 3,  6,  7,  19, 20, 0, 2, 3,  10, 12, 13, 4, 9, 12, 13, 19, 20, 2, 8, 10, 11, 17, 21,
          1, 7,  8,  9,  18, 20, 0, 1, 6,  13, 15, 20, 4, 7, 15, 16, 17, 20, 0, 7, 11, 12, 20, 22,
          1, 12, 13, 18, 21, 22, 1, 9, 17, 19, 20, 21, 2, 3, 5,  12, 16, 21, 3, 7, 9,  12, 14, 17,
          1, 3,  5,  12, 16, 20, 5, 8, 15, 19, 20, 22, 0, 1, 3,  9,  19, 22}},
        // 119 tickets, 17 orbits of Z7x3+3.
        {24,
         {3, 3},
         [] { return NumberGroup::Cyclic(7, 3, 3); },
         {7,  11, 12, 17, 18, 20, 5,  14, 18, 19, 21, 23, 4,  9,  14, 18, 20, 22, 0,  4,  6,
          13, 19, 22, 0,  2,  5,  6,  10, 16, 1,  8,  11, 20, 21, 23, 0,  5,  11, 12, 13, 15,
          0,  1,  9,  10, 13, 14, 0,  5,  9,  15, 21, 23, 1,  5,  11, 14, 16, 18, 0,  8,  10,
          11, 18, 22, 1,  12, 19, 21, 22, 23, 8,  9,  11, 19, 21, 23, 3,  5,  6,  11, 21, 23,
          1,  5,  8,  10, 12, 17, 4,  6,  8,  16, 17, 18, 0,  1,  8,  15, 16, 19}},
    };
    return systems;
}

struct Design {
    int v;
    Guarantee guarantee;
    const char* how;
    Tickets (*build)();
};

constexpr Design kDesigns[] = {
    {12, {5, 5}, "S(5,6,12)", SteinerSystem5of12},
    {22, {3, 3}, "S(3,6,22)", SteinerSystem3of22},
    {26, {3, 3}, "S(3,6,26)", SteinerSystem3of26},
};

}  // namespace

std::optional<ConstructedSystem> FindConstructedSystem(int v, Guarantee guarantee) {
    for (const Design& design : kDesigns) {
        if (design.v == v && design.guarantee == guarantee) {
            return ConstructedSystem{v, guarantee, design.how, design.build()};
        }
    }
    for (const OrbitSystem& system : OrbitSystems()) {
        if (system.v == v && system.guarantee == guarantee) {
            const NumberGroup group = system.group();
            Tickets bases;
            for (std::size_t i = 0; i < system.bases.size(); ++i) {
                if (i % kTicketSize == 0) {
                    bases.push_back(0);
                }
                bases.back() |= Bit(system.bases[i]);
            }
            return ConstructedSystem{v, guarantee, group.Name(), group.Orbits(bases)};
        }
    }
    return std::nullopt;
}

std::vector<std::pair<int, Guarantee>> ConstructedCells() {
    std::vector<std::pair<int, Guarantee>> cells;
    for (const Design& design : kDesigns) {
        cells.emplace_back(design.v, design.guarantee);
    }
    for (const OrbitSystem& system : OrbitSystems()) {
        cells.emplace_back(system.v, system.guarantee);
    }
    return cells;
}

}  // namespace kulko
