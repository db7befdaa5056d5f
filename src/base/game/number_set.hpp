#pragma once

#include <array>
#include <string>

#include "game/number_bits.hpp"

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

// The numbers of a set as bits.
inline NumberBits NumberSetMask(const NumberSet& set) {
    NumberBits bits = 0;
    for (int n : set) {
        bits |= Bit(n);
    }
    return bits;
}

// "1;2;3;4;5;6": the numbers in the set's order, joined by ";".
inline std::string NumberSetText(const NumberSet& set) {
    return NumbersText(set.data(), set.size());
}

}  // namespace kulko
