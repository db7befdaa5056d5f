#include "wheels/constructions/constructed_systems.hpp"

#include <optional>

#include "wheels/constructions/number_group.hpp"
#include "wheels/constructions/steiner_systems.hpp"

namespace kulko {
namespace {

// A system of whole orbits that the orbit search found: the group, and the
// base tickets as their positions.
struct OrbitSystem {
    int v;
    Guarantee guarantee;
    NumberGroup (*group)();
    std::vector<std::vector<int>> bases;
};

const std::vector<OrbitSystem>& OrbitSystems() {
    static const std::vector<OrbitSystem> systems = {};
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
            for (const std::vector<int>& base : system.bases) {
                NumberBits ticket = 0;
                for (const int p : base) {
                    ticket |= Bit(p);
                }
                bases.push_back(ticket);
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
