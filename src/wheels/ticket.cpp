#include "wheels/ticket.hpp"

#include <algorithm>
#include <array>

namespace kulko {
std::vector<int> MembersOf(NumberMask mask) {
    std::vector<int> members;
    members.reserve(static_cast<std::size_t>(CountOf(mask)));
    for (; mask != 0; mask &= mask - 1) {
        members.push_back(std::countr_zero(mask));
    }
    return members;
}

std::string TicketLine(NumberMask ticket) {
    std::string line;
    for (const int n : MembersOf(ticket)) {
        if (!line.empty()) {
            line += ';';
        }
        line += std::to_string(n);
    }
    return line;
}

Tickets PositionsToNumbers(const Tickets& tickets, NumberMask chosen) {
    const std::vector<int> numbers = MembersOf(chosen);  // the number at each position
    Tickets out;
    out.reserve(tickets.size());
    for (NumberMask ticket : tickets) {
        NumberMask mapped = 0;
        for (; ticket != 0; ticket &= ticket - 1) {
            mapped |= Bit(numbers[static_cast<std::size_t>(std::countr_zero(ticket))]);
        }
        out.push_back(mapped);
    }
    return out;
}

Tickets NumbersToPositions(const Tickets& tickets, NumberMask chosen) {
    std::array<int, 64> position{};
    int next = 0;
    for (const int n : MembersOf(chosen)) {
        position[static_cast<std::size_t>(n)] = next++;
    }
    Tickets out;
    out.reserve(tickets.size());
    for (NumberMask ticket : tickets) {
        NumberMask mapped = 0;
        for (; ticket != 0; ticket &= ticket - 1) {
            mapped |= Bit(position[static_cast<std::size_t>(std::countr_zero(ticket))]);
        }
        out.push_back(mapped);
    }
    return out;
}

void SortTickets(Tickets& tickets) {
    // Of two different sets of the same size, the one holding the lowest
    // number where they differ reads first.
    std::sort(tickets.begin(), tickets.end(), [](NumberMask a, NumberMask b) {
        const NumberMask differ = a ^ b;
        return (a & differ & (~differ + 1)) != 0;
    });
}

}  // namespace kulko
