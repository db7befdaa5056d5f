#include "wheels/ticket.hpp"

#include <algorithm>
#include <array>
#include <bit>

namespace kulko {

namespace {

// Each ticket with every member n replaced by to[n].
Tickets Mapped(const Tickets& tickets, const std::array<int, 64>& to) {
    Tickets out;
    out.reserve(tickets.size());
    for (NumberBits ticket : tickets) {
        NumberBits mapped = 0;
        for (; ticket != 0; ticket &= ticket - 1) {
            mapped |= Bit(to[static_cast<std::size_t>(std::countr_zero(ticket))]);
        }
        out.push_back(mapped);
    }
    return out;
}

}  // namespace

Tickets PositionsToNumbers(const Tickets& tickets, NumberBits chosen) {
    std::array<int, 64> number{};
    int position = 0;
    for (const int n : MembersOf(chosen)) {
        number[static_cast<std::size_t>(position++)] = n;
    }
    return Mapped(tickets, number);
}

Tickets NumbersToPositions(const Tickets& tickets, NumberBits chosen) {
    std::array<int, 64> position{};
    int next = 0;
    for (const int n : MembersOf(chosen)) {
        position[static_cast<std::size_t>(n)] = next++;
    }
    return Mapped(tickets, position);
}

void SortTickets(Tickets& tickets) {
    // Of two different sets of the same size, the one holding the lowest
    // number where they differ reads first.
    std::sort(tickets.begin(), tickets.end(), [](NumberBits a, NumberBits b) {
        const NumberBits differ = a ^ b;
        return (a & differ & (~differ + 1)) != 0;
    });
}

}  // namespace kulko
