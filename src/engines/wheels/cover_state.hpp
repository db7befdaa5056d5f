#pragma once

#include <cstdint>
#include <vector>

#include "wheels/guarantee.hpp"
#include "wheels/ticket.hpp"

namespace kulko {

// How the blocks of a system under construction cover the targets: every
// m-element set of the positions 0 to v - 1 is a target, and a block (six
// positions) covers it when they share at least t positions. Kept per
// target as a count of covering blocks, so that adding, removing and
// changing a block costs only the targets it touches.
class CoverState {
  public:
    CoverState(int v, Guarantee guarantee);

    int V() const { return v_; }
    Guarantee Promise() const { return guarantee_; }
    std::uint32_t TargetCount() const { return static_cast<std::uint32_t>(cells_.size()); }
    std::uint32_t UncoveredCount() const { return uncoveredCount_; }

    void Add(NumberBits block);
    void Remove(NumberBits block);
    // How many targets not covered yet the block would cover.
    std::uint32_t Gain(NumberBits block) const;
    // How many targets only this block covers (it must be one of them).
    std::uint32_t Loss(NumberBits block) const;
    // The change in uncovered targets if the block gave up position out
    // for position in (out in the block, in not).
    std::int32_t SwapDelta(NumberBits block, int out, int in) const;
    void Swap(NumberBits block, int out, int in);

    bool Covered(std::uint32_t rank) const { return (cells_[rank] & kUncovered) == 0; }
    // The first uncovered target of rank at least from; TargetCount() if none.
    std::uint32_t FirstUncoveredFrom(std::uint32_t from) const;

    // From now on the uncovered targets are also kept in a list, so that one
    // can be picked at random: i is 0 to UncoveredCount() - 1.
    void ListUncovered();
    std::uint32_t UncoveredAt(std::uint32_t i) const { return uncovered_[i]; }

  private:
    // A cell holds the count of covering blocks, or for a target no block
    // covers kUncovered with its place in the list of uncovered targets.
    static constexpr std::uint32_t kUncovered = 0x80000000u;

    void Increment(std::uint32_t rank);
    void Decrement(std::uint32_t rank);
    template <typename Fn>
    void ForEachSwapped(NumberBits block, int out, int in, Fn&& fn) const;

    int v_;
    Guarantee guarantee_;
    std::vector<std::uint32_t> cells_;
    std::uint32_t uncoveredCount_;
    bool listed_ = false;
    std::vector<std::uint32_t> uncovered_;
};

}  // namespace kulko
