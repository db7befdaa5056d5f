#include "wheels/constructions/target_counts.hpp"

#include <algorithm>

#include "game/subset_rank.hpp"
#include "wheels/subsets.hpp"

namespace kulko {
namespace {

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

void TargetCounts::Add(NumberBits ticket) {
    ForEachTargetRank(ticket, v_, guarantee_, [&](std::uint32_t rank) {
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
    ForEachTargetRank(ticket, v_, guarantee_, [&](std::uint32_t rank) {
        if (--counts_[rank] == 0) {
            place_[rank] = static_cast<std::uint32_t>(uncovered_.size());
            uncovered_.push_back(rank);
        }
    });
}

bool TargetCounts::Redundant(NumberBits ticket) const {
    bool redundant = true;
    ForEachTargetRank(ticket, v_, guarantee_,
                      [&](std::uint32_t rank) { redundant = redundant && counts_[rank] >= 2; });
    return redundant;
}

NumberBits TargetCounts::UncoveredAt(std::size_t i) const {
    return MaskOfRank(uncovered_[i], guarantee_.m);
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
