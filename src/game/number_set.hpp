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

// "1;2;3;4;5;6": decimal, joined by ";".
std::string NumberSetText(const NumberSet& set);

}  // namespace kulko
