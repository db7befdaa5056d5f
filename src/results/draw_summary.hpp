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
    // (missing ones are 0), after readDrawCount counted the line. Every line
    // of the file comes here: most are six different numbers in ascending
    // order, whose statistics need no sort and are read off their set of
    // bits here; the rest are sorted first.
    void AddDraw(const NumberSet& six, std::size_t resultsLineTotal) {
        bool ascending = six.front() >= 0 && six.back() < 64;
        for (std::size_t i = 1; i < six.size(); ++i) {
            ascending = ascending && six[i - 1] < six[i];
        }
        if (!ascending) {
            AddUnorderedDraw(six, resultsLineTotal);
            return;
        }
        int odd = 0;
        int low = 0;
        std::uint64_t bits = 0;
        for (const int n : six) {
            odd += n & 1;
            low += static_cast<int>(n < kFirstHighNumber);
            bits |= std::uint64_t{1} << n;
        }
        AddSortedDraw(six, odd, low, bits & bits >> 1, resultsLineTotal);
    }
    // Maximum, minimum and the numbers that reach them.
    void Finish();

  private:
    void AddUnorderedDraw(NumberSet six, std::size_t resultsLineTotal);
    // `follows` marks each number the draw also holds the next one of, so a
    // run of three shows as two neighbouring marks.
    void AddSortedDraw(const NumberSet& sorted, int odd, int low, std::uint64_t follows,
                       std::size_t resultsLineTotal) {
        allEvenDraws += odd == 0 ? 1 : 0;
        allOddDraws += odd == kNumbersPerDraw ? 1 : 0;
        lowNumberTotal += low;
        highNumberTotal += kNumbersPerDraw - low;
        // Bits, not branches: whether a draw has neighbours is a coin toss.
        pairDraws += static_cast<int>(follows != 0);
        tripleDraws += static_cast<int>((follows & follows >> 1) != 0);
        // Among the last fifty lines: row 50 - total + count (1-based).
        if (resultsLineTotal >= readDrawCount && resultsLineTotal - readDrawCount <= 49) {
            const std::size_t row = kRecentDrawRows - (resultsLineTotal - readDrawCount);
            recentDraws[row - 1] = sorted;
        }
    }
};

}  // namespace kulko
