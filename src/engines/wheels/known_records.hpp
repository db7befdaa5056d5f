#pragma once

#include <cstddef>
#include <optional>

#include "wheels/guarantee.hpp"

namespace kulko {

// What the literature knows of the smallest system for v numbers and a
// guarantee: the fewest tickets anyone has published, and the best proven
// lower bound (equal to it where that size is known to be the smallest).
struct KnownRecord {
    std::size_t smallest = 0;
    std::size_t lowerBound = 0;  // 0 where none is given beside the program's own
};

// The record for the cell, where the table of the literature holds one:
// every "t z t" for t = 3, 4, 5 and 7 to 30 numbers, "3 z 3" and "3 z 6" of
// 49 numbers and a few small "3 z 5" and "3 z 6".
std::optional<KnownRecord> FindKnownRecord(int v, Guarantee guarantee);

}  // namespace kulko
