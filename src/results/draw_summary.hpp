#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "game/number_set.hpp"

namespace kulko {

inline constexpr int kRecentDrawRows = 50;
// Row 50 (index 49) is the newest draw; rows without a draw hold zeros.
using RecentDrawTable = std::array<NumberSet, kRecentDrawRows>;

// Statistics gathered while the start-up read goes through the results file.
struct DrawSummary {
    std::size_t readDrawCount = 0;
    std::array<int, kHighestNumber> numberFrequency{};  // index n - 1
    int pairDraws = 0;
    int tripleDraws = 0;
    int allEvenDraws = 0;
    int allOddDraws = 0;
    int lowNumberTotal = 0;
    int highNumberTotal = 0;
    std::string lastDate;  // Windows-1250 bytes as read
    RecentDrawTable recentDraws{};
    int maximumCount = 0;
    int mostFrequentNumber = 0;
    int minimumCount = 0;
    int leastFrequentNumber = 0;

    // Counts one number token; values outside 1 to 49 have no counter.
    void CountToken(int value) {
        if (IsGameNumber(value)) {
            ++numberFrequency[static_cast<std::size_t>(value - 1)];
        }
    }
    // The per-draw statistics of one counted line: its first six numbers
    // (missing ones are 0), after readDrawCount counted the line.
    void AddDraw(NumberSet six, std::size_t resultsLineTotal);
    // Maximum, minimum and the numbers that reach them.
    void Finish();
};

}  // namespace kulko
