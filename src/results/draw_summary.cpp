#include "results/draw_summary.hpp"

#include <algorithm>
#include <cstdint>

namespace kulko {

void DrawSummary::AddDraw(NumberSet six, std::size_t resultsLineTotal) {
    // Most draws are six different numbers in ascending order: their
    // statistics need no sort and are read off their set of bits.
    bool ascending = six.front() >= 0 && six.back() < 64;
    for (std::size_t i = 1; i < six.size(); ++i) {
        ascending = ascending && six[i - 1] < six[i];
    }
    // Parity and low or high need no order: one pass over the numbers.
    int odd = 0;
    int low = 0;
    // Which numbers have their next one in the draw. Bits, not branches:
    // whether a draw has neighbours is a coin toss.
    std::uint64_t follows = 0;
    if (ascending) {
        std::uint64_t bits = 0;
        for (const int n : six) {
            odd += n & 1;
            low += static_cast<int>(n < kFirstHighNumber);
            bits |= std::uint64_t{1} << n;
        }
        follows = bits & bits >> 1;
    } else {
        for (const int n : six) {
            odd += n % 2 != 0 ? 1 : 0;
            low += n < kFirstHighNumber ? 1 : 0;
        }
        // Six numbers: an insertion sort in place; compared in a wider type,
        // for a line may hold any number, 2147483647 too.
        for (std::size_t i = 1; i < six.size(); ++i) {
            const int value = six[i];
            std::size_t at = i;
            for (; at > 0 && six[at - 1] > value; --at) {
                six[at] = six[at - 1];
            }
            six[at] = value;
        }
        for (std::size_t i = 0; i + 1 < six.size(); ++i) {
            follows |= std::uint64_t{std::int64_t{six[i + 1]} == std::int64_t{six[i]} + 1} << i;
        }
    }
    allEvenDraws += odd == 0 ? 1 : 0;
    allOddDraws += odd == kNumbersPerDraw ? 1 : 0;
    lowNumberTotal += low;
    highNumberTotal += kNumbersPerDraw - low;
    pairDraws += static_cast<int>(follows != 0);
    tripleDraws += static_cast<int>((follows & follows >> 1) != 0);
    // Among the last fifty lines: row 50 - total + count (1-based).
    if (resultsLineTotal >= readDrawCount && resultsLineTotal - readDrawCount <= 49) {
        const std::size_t row = kRecentDrawRows - (resultsLineTotal - readDrawCount);
        recentDraws[row - 1] = six;
    }
}

void DrawSummary::Finish() {
    maximumCount = numberFrequency[0];
    minimumCount = numberFrequency[0];
    for (int count : numberFrequency) {
        maximumCount = std::max(maximumCount, count);
        minimumCount = std::min(minimumCount, count);
    }
    const auto first = [&](int count) {
        const auto it = std::find(numberFrequency.begin(), numberFrequency.end(), count);
        return static_cast<int>(it - numberFrequency.begin()) + 1;
    };
    mostFrequentNumber = first(maximumCount);
    leastFrequentNumber = first(minimumCount);
}

}  // namespace kulko
