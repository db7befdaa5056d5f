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
        // Tested all at once, without a branch on each pair.
        const auto below = [](int a, int b) { return static_cast<unsigned>(a < b); };
        const unsigned ascending = below(-1, six[0]) & below(six[0], six[1]) &
                                   below(six[1], six[2]) & below(six[2], six[3]) &
                                   below(six[3], six[4]) & below(six[4], six[5]) &
                                   below(six[5], 64);
        if (ascending == 0) {
            AddUnorderedDraw(six, resultsLineTotal);
            return;
        }
        std::uint64_t bits = 0;
        for (const int n : six) {
            bits |= std::uint64_t{1} << n;
        }
        constexpr std::uint64_t kOdd = 0xAAAAAAAAAAAAAAAAull;
        const std::uint64_t low = bits & ((std::uint64_t{1} << kFirstHighNumber) - 1);
        AddSortedDraw(six, (bits & kOdd) == 0, (bits & ~kOdd) == 0,
                      kBitCounts[low & 0x1FFF] + kBitCounts[low >> 13], bits & bits >> 1,
                      resultsLineTotal);
    }
    // Maximum, minimum and the numbers that reach them.
    void Finish();
    // Puts a draw, sorted, in its row when it is among the last fifty lines:
    // row 50 - total + count (1-based), for the draw counted as `count` of a
    // file of `resultsLineTotal` lines.
    void PutRecentDraw(const NumberSet& sorted, std::size_t count, std::size_t resultsLineTotal) {
        if (resultsLineTotal >= count && resultsLineTotal - count <= 49) {
            recentDraws[kRecentDrawRows - 1 - (resultsLineTotal - count)] = sorted;
        }
    }

  private:
    // How many bits each thirteen-bit value has: the low numbers of a draw
    // counted in two looks.
    static constexpr std::array<std::uint8_t, 8192> kBitCounts = [] {
        std::array<std::uint8_t, 8192> counts{};
        for (std::size_t i = 1; i < counts.size(); ++i) {
            counts[i] = static_cast<std::uint8_t>(counts[i / 2] + i % 2);
        }
        return counts;
    }();

    void AddUnorderedDraw(NumberSet six, std::size_t resultsLineTotal);
    // `follows` marks each number the draw also holds the next one of, so a
    // run of three shows as two neighbouring marks.
    void AddSortedDraw(const NumberSet& sorted, bool allEven, bool allOdd, int low,
                       std::uint64_t follows, std::size_t resultsLineTotal) {
        allEvenDraws += allEven ? 1 : 0;
        allOddDraws += allOdd ? 1 : 0;
        lowNumberTotal += low;
        highNumberTotal += kNumbersPerDraw - low;
        // Bits, not branches: whether a draw has neighbours is a coin toss.
        pairDraws += static_cast<int>(follows != 0);
        tripleDraws += static_cast<int>((follows & follows >> 1) != 0);
        PutRecentDraw(sorted, readDrawCount, resultsLineTotal);
    }
};

}  // namespace kulko
