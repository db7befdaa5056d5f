#pragma once

#include <cstdint>
#include <random>
#include <vector>

#include "wheels/constructions/number_group.hpp"
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
//
// The group maps the system onto itself, so a target is met exactly when
// all its images are: the targets are counted by orbit, and a base ticket
// costs only its own targets, whatever the size of the group.
class OrbitSearch {
  public:
    // blockSize: the numbers of a base ticket (six; fewer for the blocks
    // that the constructions add new numbers to).
    OrbitSearch(const NumberGroup& group, Guarantee guarantee, int baseCount, std::uint64_t seed,
                int blockSize = kTicketSize);

    // Anneals for at most `steps` steps; true once every target is met.
    bool Run(std::uint64_t steps);
    // How many steps one cooling from warm to cold takes. Short cycles
    // suit the small groups of few orbits; where many base tickets have to
    // fit together, the search only gets there cooling slowly.
    void SetCooling(double warm, double cold, std::uint64_t steps);
    // Takes away the base ticket whose orbit alone meets the fewest
    // targets, so that the search goes on with one base ticket fewer.
    void DropWeakestBase();
    bool Covered() const { return uncoveredTargets_ == 0; }
    // Targets no ticket meets.
    std::uint64_t UncoveredCount() const { return uncoveredTargets_; }
    const Tickets& Bases() const { return bases_; }
    // The system: every ticket of the orbits once.
    Tickets System() const { return group_.Orbits(bases_); }

  private:
    void SortTargetsIntoOrbits();
    void SetBase(std::size_t b, NumberBits base);
    void AddBase(std::size_t b);
    void RemoveBase(std::size_t b);
    void Step();
    std::uint32_t Below(std::uint32_t n);
    int MemberOf(NumberBits set);

    const NumberGroup& group_;
    Guarantee guarantee_;
    Tickets bases_;
    Tickets images_;  // of base b: images_[b * order + element]
    // Per target (by rank), its orbit; per orbit, a target of it, its size
    // and how many of its targets the base tickets meet.
    std::vector<std::uint32_t> orbitOf_;
    std::vector<NumberBits> orbitTarget_;
    std::vector<std::uint32_t> orbitSize_;
    std::vector<std::uint32_t> orbitCount_;
    // The orbits met by none, and the place of each in that list.
    std::vector<std::uint32_t> uncovered_;
    std::vector<std::uint32_t> place_;
    std::uint64_t uncoveredTargets_ = 0;
    std::mt19937_64 random_;
    double warm_;
    double cold_;
    double temperature_;
    double cooling_;
};

}  // namespace kulko
