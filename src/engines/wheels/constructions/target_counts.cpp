#include "wheels/constructions/target_counts.hpp"

#include <algorithm>
#include <bit>

#include "game/subset_rank.hpp"

namespace kulko {
namespace {

// Calls fn(set) for every k-element subset of the members, added to acc.
template <typename Fn>
void Subsets(const int* members, int n, int k, NumberBits acc, Fn&& fn) {
    if (k == 0) {
        fn(acc);
        return;
    }
    for (int i = k - 1; i < n; ++i) {
        Subsets(members, i, k - 1, acc | Bit(members[i]), fn);
    }
}

int Members(NumberBits set, int* members) {
    int n = 0;
    for (; set != 0; set &= set - 1) {
        members[n++] = std::countr_zero(set);
    }
    return n;
}

std::uint32_t RankOf(NumberBits set) {
    int members[64];
    const int n = Members(set, members);
    return SubsetRank(members, n);
}

// The target of the given rank among the k-element sets.
NumberBits SetOfRank(std::uint32_t rank, int k) {
    NumberBits set = 0;
    int top = kMaxSubsetUniverse;
    for (int i = k; i > 0; --i) {
        while (Binomial(top, i) > rank) {
            --top;
        }
        set |= Bit(top);
        rank -= Binomial(top, i);
        --top;
    }
    return set;
}

constexpr std::uint32_t kNotListed = 0xffffffffu;

}  // namespace

TargetCounts::TargetCounts(int v, Guarantee guarantee)
    : v_(v),
      guarantee_(guarantee),
      counts_(Binomial(v, guarantee.m), 0),
      uncovered_(counts_.size()),
      place_(counts_.size()) {
    for (std::uint32_t rank = 0; rank < counts_.size(); ++rank) {
        uncovered_[rank] = rank;
        place_[rank] = rank;
    }
}

// A ticket meets the targets that hold i >= t of its positions and m - i
// of the others.
template <typename Fn>
void TargetCounts::ForEachTarget(NumberBits ticket, Fn&& fn) const {
    int inside[64];
    int outside[64];
    const int in = Members(ticket, inside);
    const int out = Members(((NumberBits{1} << v_) - 1) & ~ticket, outside);
    for (int i = guarantee_.t; i <= std::min(guarantee_.m, in); ++i) {
        Subsets(inside, in, i, 0, [&](NumberBits shared) {
            Subsets(outside, out, guarantee_.m - i, shared,
                    [&](NumberBits target) { fn(RankOf(target)); });
        });
    }
}

void TargetCounts::Add(NumberBits ticket) {
    ForEachTarget(ticket, [&](std::uint32_t rank) {
        if (counts_[rank]++ == 0) {
            // The last listed target takes the freed place.
            const std::uint32_t last = uncovered_.back();
            uncovered_[place_[rank]] = last;
            place_[last] = place_[rank];
            place_[rank] = kNotListed;
            uncovered_.pop_back();
        }
    });
}

void TargetCounts::Remove(NumberBits ticket) {
    ForEachTarget(ticket, [&](std::uint32_t rank) {
        if (--counts_[rank] == 0) {
            place_[rank] = static_cast<std::uint32_t>(uncovered_.size());
            uncovered_.push_back(rank);
        }
    });
}

bool TargetCounts::Redundant(NumberBits ticket) const {
    bool redundant = true;
    ForEachTarget(ticket, [&](std::uint32_t rank) { redundant = redundant && counts_[rank] >= 2; });
    return redundant;
}

NumberBits TargetCounts::UncoveredAt(std::size_t i) const {
    return SetOfRank(uncovered_[i], guarantee_.m);
}

Tickets WithoutRedundant(Tickets tickets, int v, Guarantee guarantee) {
    std::sort(tickets.begin(), tickets.end());
    tickets.erase(std::unique(tickets.begin(), tickets.end()), tickets.end());
    TargetCounts counts(v, guarantee);
    for (const NumberBits ticket : tickets) {
        counts.Add(ticket);
    }
    for (std::size_t i = tickets.size(); i-- > 0;) {
        if (counts.Redundant(tickets[i])) {
            counts.Remove(tickets[i]);
            tickets.erase(tickets.begin() + static_cast<std::ptrdiff_t>(i));
        }
    }
    return tickets;
}

}  // namespace kulko
