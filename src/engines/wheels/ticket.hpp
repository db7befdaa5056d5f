#pragma once

#include <bit>
#include <cstdint>
#include <string>
#include <vector>

namespace kulko {

// A set of small whole numbers, one bit each: bit n stands for n. It holds
// the player's chosen numbers (1 to 49), one ticket of six numbers, or the
// positions 0 to v - 1 of the chosen numbers that the search works on.
using NumberMask = std::uint64_t;

// The tickets of one system, each a mask of six numbers.
using Tickets = std::vector<NumberMask>;

constexpr NumberMask Bit(int n) {
    return NumberMask{1} << n;
}

constexpr int CountOf(NumberMask mask) {
    return std::popcount(mask);
}

// The members in ascending order.
std::vector<int> MembersOf(NumberMask mask);

// A ticket in the memory file's form: "3;7;12;20;33;41", ascending.
std::string TicketLine(NumberMask ticket);

// Tickets over the positions of the chosen numbers (0 for the lowest chosen
// number, 1 for the next...) as tickets over the numbers themselves.
Tickets PositionsToNumbers(const Tickets& tickets, NumberMask chosen);
// The other way round; every ticket must lie within the chosen numbers.
Tickets NumbersToPositions(const Tickets& tickets, NumberMask chosen);

// Sorts tickets as their lines read: by the lowest number, then the next.
void SortTickets(Tickets& tickets);

}  // namespace kulko
