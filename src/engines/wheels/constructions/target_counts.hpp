#pragma once

#include <cstdint>
#include <vector>

#include "wheels/guarantee.hpp"
#include "wheels/ticket.hpp"

namespace kulko {

// For the constructions: how many tickets meet each target of a guarantee
// (every m-element set of the positions 0 to v - 1, met when a ticket
// shares t of it), with the targets no ticket meets kept in a list, so
// that one of them can be picked at random.
class TargetCounts {
  public:
    TargetCounts(int v, Guarantee guarantee);

    void Add(NumberBits ticket);
    void Remove(NumberBits ticket);
    // Whether every target the ticket meets is met by another ticket too.
    bool Redundant(NumberBits ticket) const;

    std::size_t UncoveredCount() const { return uncovered_.size(); }
    // The i-th uncovered target (i below UncoveredCount()), as a set.
    NumberBits UncoveredAt(std::size_t i) const;

  private:
    template <typename Fn>
    void ForEachTarget(NumberBits ticket, Fn&& fn) const;

    int v_;
    Guarantee guarantee_;
    std::vector<std::uint32_t> counts_;
    std::vector<std::uint32_t> uncovered_;  // ranks of the targets met by none
    std::vector<std::uint32_t> place_;      // of each uncovered target in the list
};

// The tickets less those that the others make unnecessary, taken away one
// at a time from the last; the rest keeps any guarantee the whole kept.
Tickets WithoutRedundant(Tickets tickets, int v, Guarantee guarantee);

}  // namespace kulko
