#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kulko {

// A set of small whole numbers, one bit each: bit n stands for n. It holds
// a draw or a bet (numbers 1 to 49), the player's chosen numbers, one ticket
// of a system, or the positions 0 to v - 1 of the chosen numbers that the
// systems search works on. Pairs of neighbours, parity, low and high
// numbers and the numbers two sets share are then bit operations and counts.
using NumberBits = std::uint64_t;

constexpr NumberBits Bit(int n) {
    return NumberBits{1} << n;
}

// How many numbers the set holds. Written out rather than std::popcount, so
// that a build for processors without the instruction makes no library call;
// the compiler knows the pattern and uses the instruction where it may
// (the systems' loops are built for it too, see wheels/hot_loop.hpp).
constexpr int CountBits(NumberBits bits) {
    bits -= (bits >> 1) & 0x5555555555555555ull;
    bits = (bits & 0x3333333333333333ull) + ((bits >> 2) & 0x3333333333333333ull);
    bits = (bits + (bits >> 4)) & 0x0F0F0F0F0F0F0F0Full;
    return static_cast<int>((bits * 0x0101010101010101ull) >> 56);
}

// The members in ascending order.
std::vector<int> MembersOf(NumberBits bits);

// "3;7;12;20;33;41": the members ascending, decimal, joined by ";", as the
// memory file and the systems write a set.
std::string NumberBitsText(NumberBits bits);

// Numbers in the order given, joined the same way.
std::string NumbersText(const int* numbers, std::size_t count);

}  // namespace kulko
