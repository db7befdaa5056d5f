#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "game/number_set.hpp"

namespace kulko {

inline constexpr int kRecentDrawRows = 50;
// Row 50 (index 49) is the newest draw; rows without a draw hold zeros.
using RecentDrawTable = std::array<NumberSet, kRecentDrawRows>;

// The per-draw statistics of draws of six different numbers 1 to 49, each
// kept as a mask: neighbours are read from its bits. They are gathered apart
// from the summary, in a tight loop, and added to it.
struct DrawBitCounts {
    int pairDraws = 0;
    int tripleDraws = 0;
    int allEvenDraws = 0;
    int allOddDraws = 0;
    int lowNumberTotal = 0;
    int highNumberTotal = 0;

    // The draw's numbers, and how many of them are odd and how many low,
    // which its reader counts as it goes.
    void Add(NumberBits numbers, int odd, int low) {
        allEvenDraws += odd == 0 ? 1 : 0;
        allOddDraws += odd == kNumbersPerDraw ? 1 : 0;
        lowNumberTotal += low;
        highNumberTotal += kNumbersPerDraw - low;
        // Bit n of `follows`: n and n + 1 were both drawn.
        const NumberBits follows = numbers & (numbers >> 1);
        pairDraws += follows != 0 ? 1 : 0;
        tripleDraws += (follows & (follows >> 1)) != 0 ? 1 : 0;
    }
};

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
    // (missing ones are 0). The newest fifty draws go into their rows once
    // the read knows where the file ends (PlaceRecentDraw).
    void AddDraw(NumberSet six);
    // The per-draw statistics of draws gathered apart (DrawBitCounts).
    void Add(const DrawBitCounts& counts);
    // The draw that the start-up read counted as the `count`-th line of a
    // file of `resultsLineTotal` lines, into its row when it is among the
    // newest fifty.
    void PlaceRecentDraw(NumberSet six, std::size_t count, std::size_t resultsLineTotal);
    // Maximum, minimum and the numbers that reach them.
    void Finish();
};

}  // namespace kulko
