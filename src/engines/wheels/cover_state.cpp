#include "wheels/cover_state.hpp"

#include <algorithm>

#include "wheels/subsets.hpp"
#include "wheels/targets.hpp"

namespace kulko {

CoverState::CoverState(int v, Guarantee guarantee)
    : v_(v),
      guarantee_(guarantee),
      cells_(Choose(v, guarantee.m), kUncovered),
      uncoveredCount_(static_cast<std::uint32_t>(cells_.size())) {}

// When the block gives up out for in, the targets it stops covering are
// those meeting it in exactly t positions, out among them and in not; the
// targets it starts covering are the same sets with in in place of out.
// Each pair shares t - 1 of the other positions of the block (at most seven,
// for tickets of up to eight numbers) and m - t positions from outside both.
template <typename Fn>
void CoverState::ForEachSwapped(NumberBits block, int out, int in, Fn&& fn) const {
    const NumberBits kept = block & ~Bit(out);
    const NumberBits outside = AllPositions(v_) & ~block & ~Bit(in);
    NumberBits shared[35];
    int sharedCount = 0;
    ForEachSubset(kept, guarantee_.t - 1, [&](NumberBits s) { shared[sharedCount++] = s; });
    ForEachSubset(outside, guarantee_.m - guarantee_.t, [&](NumberBits rest) {
        for (int i = 0; i < sharedCount; ++i) {
            const NumberBits common = shared[i] | rest;
            fn(MaskRank(common | Bit(out)), MaskRank(common | Bit(in)));
        }
    });
}

void CoverState::Increment(std::uint32_t rank) {
    std::uint32_t& cell = cells_[rank];
    if ((cell & kUncovered) == 0) {
        ++cell;
        return;
    }
    if (listed_) {
        // The last listed target takes the freed place.
        const std::uint32_t place = cell & ~kUncovered;
        const std::uint32_t last = uncovered_.back();
        uncovered_[place] = last;
        cells_[last] = kUncovered | place;
        uncovered_.pop_back();
    }
    cell = 1;
    --uncoveredCount_;
}

void CoverState::Decrement(std::uint32_t rank) {
    std::uint32_t& cell = cells_[rank];
    if (cell > 1) {
        --cell;
        return;
    }
    cell = kUncovered;
    if (listed_) {
        cell |= static_cast<std::uint32_t>(uncovered_.size());
        uncovered_.push_back(rank);
    }
    ++uncoveredCount_;
}

void CoverState::Add(NumberBits block) {
    ForEachTargetMet(block, v_, guarantee_, [&](std::uint32_t rank) { Increment(rank); });
}

void CoverState::Remove(NumberBits block) {
    ForEachTargetMet(block, v_, guarantee_, [&](std::uint32_t rank) { Decrement(rank); });
}

std::uint32_t CoverState::Gain(NumberBits block) const {
    std::uint32_t gain = 0;
    ForEachTargetMet(block, v_, guarantee_,
                     [&](std::uint32_t rank) { gain += (cells_[rank] & kUncovered) != 0; });
    return gain;
}

std::uint32_t CoverState::Loss(NumberBits block) const {
    std::uint32_t loss = 0;
    ForEachTargetMet(block, v_, guarantee_, [&](std::uint32_t rank) { loss += cells_[rank] == 1; });
    return loss;
}

std::int32_t CoverState::SwapDelta(NumberBits block, int out, int in) const {
    std::int32_t delta = 0;
    ForEachSwapped(block, out, in, [&](std::uint32_t lost, std::uint32_t gained) {
        delta += static_cast<std::int32_t>(cells_[lost] == 1) -
                 static_cast<std::int32_t>((cells_[gained] & kUncovered) != 0);
    });
    return delta;
}

void CoverState::Swap(NumberBits block, int out, int in) {
    ForEachSwapped(block, out, in, [&](std::uint32_t lost, std::uint32_t gained) {
        Decrement(lost);
        Increment(gained);
    });
}

std::uint32_t CoverState::FirstUncoveredFrom(std::uint32_t from) const {
    const auto size = static_cast<std::uint32_t>(cells_.size());
    while (from < size && (cells_[from] & kUncovered) == 0) {
        ++from;
    }
    return from;
}

void CoverState::ListUncovered() {
    if (listed_) {
        return;
    }
    listed_ = true;
    uncovered_.clear();
    for (std::uint32_t rank = 0; rank < cells_.size(); ++rank) {
        if ((cells_[rank] & kUncovered) != 0) {
            cells_[rank] = kUncovered | static_cast<std::uint32_t>(uncovered_.size());
            uncovered_.push_back(rank);
        }
    }
}

}  // namespace kulko
