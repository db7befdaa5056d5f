#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace kulko {

inline constexpr int kLowestNumber = 1;
inline constexpr int kHighestNumber = 49;
inline constexpr int kNumbersPerDraw = 6;
// A number below this is low, this or above is high.
inline constexpr int kFirstHighNumber = 25;

// Six numbers of one draw or one bet.
using NumberSet = std::array<int, kNumbersPerDraw>;

inline bool IsGameNumber(int n) {
    return n >= kLowestNumber && n <= kHighestNumber;
}

// The numbers of a set of numbers 1 to 49 as bits: bit n stands for n.
inline std::uint64_t NumberSetMask(const NumberSet& set) {
    std::uint64_t mask = 0;
    for (int n : set) {
        mask |= std::uint64_t{1} << n;
    }
    return mask;
}

// A draw kept as a mask: bit n set for each number n drawn (1 to 49). Pairs
// of neighbours, parity, and low and high numbers are then bit counts.
using NumberBits = std::uint64_t;

// How many bits are set, without a library call on processors that have no
// instruction for it.
constexpr int CountBits(NumberBits bits) {
    bits -= (bits >> 1) & 0x5555555555555555ull;
    bits = (bits & 0x3333333333333333ull) + ((bits >> 2) & 0x3333333333333333ull);
    bits = (bits + (bits >> 4)) & 0x0F0F0F0F0F0F0F0Full;
    return static_cast<int>((bits * 0x0101010101010101ull) >> 56);
}

// "1;2;3;4;5;6": decimal, joined by ";".
std::string NumberSetText(const NumberSet& set);

}  // namespace kulko
