#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

#include "wheels/search_random.hpp"
#include "wheels/subsets.hpp"

namespace kulko {

// For each set of `shared` positions, the tickets (by their place in the
// system) that hold all of them. A target that no ticket meets in
// shared + 1 positions is met in exactly `shared` positions by a ticket
// when the ticket holds one of the target's `shared`-sets, and then by
// exactly one of them; so the tickets one change away from covering the
// target are found in a few short lists instead of a pass over the system.
class NearTickets {
  public:
    static constexpr std::uint32_t kNone = 0xffffffffu;

    NearTickets(int v, int shared) : shared_(shared), lists_(Choose(v, shared)) {}

    void Add(NumberBits ticket, std::uint32_t place) {
        ForEachSubset(ticket, shared_, [&](NumberBits s) { lists_[MaskRank(s)].push_back(place); });
    }
    void Remove(NumberBits ticket, std::uint32_t place) {
        ForEachSubset(ticket, shared_, [&](NumberBits s) { Erase(lists_[MaskRank(s)], place); });
    }
    // The ticket at `from` is now at `to`.
    void Move(NumberBits ticket, std::uint32_t from, std::uint32_t to) {
        ForEachSubset(ticket, shared_, [&](NumberBits s) {
            std::vector<std::uint32_t>& list = lists_[MaskRank(s)];
            *std::find(list.begin(), list.end(), from) = to;
        });
    }
    // The ticket at `place` gives up position out for position in.
    void Swap(NumberBits ticket, std::uint32_t place, int out, int in) {
        ForEachSubset(ticket & ~Bit(out), shared_ - 1, [&](NumberBits s) {
            Erase(lists_[MaskRank(s | Bit(out))], place);
            lists_[MaskRank(s | Bit(in))].push_back(place);
        });
    }

    // One of the tickets holding a `shared`-set of the target, each as
    // likely; kNone when there is none.
    std::uint32_t Pick(NumberBits target, SearchRandom& random) const {
        const std::vector<std::uint32_t>* lists[20];
        int count = 0;
        std::uint32_t total = 0;
        ForEachSubset(target, shared_, [&](NumberBits s) {
            lists[count] = &lists_[MaskRank(s)];
            total += static_cast<std::uint32_t>(lists[count++]->size());
        });
        if (total == 0) {
            return kNone;
        }
        std::uint32_t pick = random.Below(total);
        for (int i = 0;; ++i) {
            const auto size = static_cast<std::uint32_t>(lists[i]->size());
            if (pick < size) {
                return (*lists[i])[pick];
            }
            pick -= size;
        }
    }

  private:
    static void Erase(std::vector<std::uint32_t>& list, std::uint32_t place) {
        *std::find(list.begin(), list.end(), place) = list.back();
        list.pop_back();
    }

    int shared_;
    std::vector<std::vector<std::uint32_t>> lists_;
};

}  // namespace kulko
