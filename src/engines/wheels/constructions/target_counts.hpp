#pragma once

#include <algorithm>
#include <bit>
#include <cstdint>
#include <vector>

#include "wheels/guarantee.hpp"
#include "wheels/subsets.hpp"
#include "wheels/ticket.hpp"

namespace kulko {

namespace detail {

// Calls fn(acc | subset) for every k-element subset of the members.
template <typename Fn>
void ForEachSubsetOfMembers(const int* members, int n, int k, NumberBits acc, Fn&& fn) {
    if (k == 0) {
        fn(acc);
        return;
    }
    for (int i = k - 1; i < n; ++i) {
        ForEachSubsetOfMembers(members, i, k - 1, acc | Bit(members[i]), fn);
    }
}

inline int MembersInto(NumberBits set, int* members) {
    int n = 0;
    for (; set != 0; set &= set - 1) {
        members[n++] = std::countr_zero(set);
    }
    return n;
}

}  // namespace detail

// Calls fn(rank) for every target of the guarantee that the ticket meets
// (every m-element set of the positions 0 to v - 1 sharing at least t of
// its positions): i >= t of its positions and m - i of the others.
template <typename Fn>
void ForEachTargetRank(NumberBits ticket, int v, Guarantee guarantee, Fn&& fn) {
    int inside[64];
    int outside[64];
    const int in = detail::MembersInto(ticket, inside);
    const int out = detail::MembersInto(AllPositions(v) & ~ticket, outside);
    for (int i = guarantee.t; i <= std::min(guarantee.m, in); ++i) {
        detail::ForEachSubsetOfMembers(inside, in, i, 0, [&](NumberBits shared) {
            detail::ForEachSubsetOfMembers(outside, out, guarantee.m - i, shared,
                                           [&](NumberBits target) { fn(MaskRank(target)); });
        });
    }
}

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
