#include "wheels/constructions/derived_systems.hpp"

#include <bit>

#include "wheels/constructions/target_counts.hpp"

namespace kulko {

Tickets DropNumbers(const Tickets& tickets, int v, int dropped, Guarantee guarantee) {
    const int kept = v - dropped;
    const NumberBits keptPositions = (NumberBits{1} << kept) - 1;
    Tickets derived;
    derived.reserve(tickets.size());
    for (NumberBits ticket : tickets) {
        for (int lost = CountBits(ticket & ~keptPositions); lost > 0; --lost) {
            ticket |= NumberBits{1} << std::countr_one(ticket);
        }
        derived.push_back(ticket & keptPositions);
    }
    return WithoutRedundant(std::move(derived), kept, guarantee);
}

}  // namespace kulko
