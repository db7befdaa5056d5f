#pragma once

#include <cstdint>
#include <random>

#include "wheels/constructions/number_group.hpp"
#include "wheels/constructions/target_counts.hpp"
#include "wheels/guarantee.hpp"
#include "wheels/ticket.hpp"

namespace kulko {

// Simulated annealing over systems made of whole orbits of a group: the
// system is the union of the images of a few base tickets. A step picks a
// target no ticket meets, the image of a base ticket nearest to it, and
// swaps one number of that image for one of the target; the base ticket
// changes accordingly and with it its whole orbit. A change that leaves
// more targets uncovered is taken with a chance that falls as the search
// cools. For the same group, guarantee, count, seed and steps, the same
// system.
class OrbitSearch {
  public:
    OrbitSearch(const NumberGroup& group, Guarantee guarantee, int baseCount, std::uint64_t seed);

    // Anneals for at most `steps` steps; true once every target is met.
    bool Run(std::uint64_t steps);
    bool Covered() const { return counts_.UncoveredCount() == 0; }
    std::size_t UncoveredCount() const { return counts_.UncoveredCount(); }
    const Tickets& Bases() const { return bases_; }
    // The system: every ticket of the orbits once.
    Tickets System() const { return group_.Orbits(bases_); }

  private:
    void AddOrbit(NumberBits base);
    void RemoveOrbit(NumberBits base);
    void Step();
    std::uint32_t Below(std::uint32_t n);
    int MemberOf(NumberBits set);

    const NumberGroup& group_;
    Guarantee guarantee_;
    TargetCounts counts_;
    Tickets bases_;
    std::mt19937_64 random_;
    double temperature_;
};

}  // namespace kulko
