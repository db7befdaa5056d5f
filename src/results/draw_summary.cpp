#include "results/draw_summary.hpp"

#include <algorithm>
#include <cstdint>

namespace kulko {

namespace {

void SortSix(NumberSet& six) {
    for (std::size_t i = 1; i < six.size(); ++i) {
        const int value = six[i];
        std::size_t at = i;
        for (; at > 0 && six[at - 1] > value; --at) {
            six[at] = six[at - 1];
        }
        six[at] = value;
    }
}

}  // namespace

void DrawSummary::AddDraw(NumberSet six) {
    // Parity and low or high need no order: one pass over the numbers.
    int odd = 0;
    int low = 0;
    for (int n : six) {
        odd += n % 2 != 0 ? 1 : 0;
        low += n < kFirstHighNumber ? 1 : 0;
    }
    allEvenDraws += odd == 0 ? 1 : 0;
    allOddDraws += odd == kNumbersPerDraw ? 1 : 0;
    lowNumberTotal += low;
    highNumberTotal += kNumbersPerDraw - low;

    SortSix(six);
    // Compared in a wider type: a line may hold any number, 2147483647 too.
    const auto follows = [&](std::size_t i) {
        return std::int64_t{six[i + 1]} == std::int64_t{six[i]} + 1;
    };
    bool pair = false;
    bool triple = false;
    for (std::size_t i = 0; i + 1 < six.size(); ++i) {
        if (follows(i)) {
            pair = true;
            triple = triple || (i + 2 < six.size() && follows(i + 1));
        }
    }
    pairDraws += pair ? 1 : 0;
    tripleDraws += triple ? 1 : 0;
}

void DrawSummary::Add(const DrawBitCounts& counts) {
    pairDraws += counts.pairDraws;
    tripleDraws += counts.tripleDraws;
    allEvenDraws += counts.allEvenDraws;
    allOddDraws += counts.allOddDraws;
    lowNumberTotal += counts.lowNumberTotal;
    highNumberTotal += counts.highNumberTotal;
}

void DrawSummary::PlaceRecentDraw(NumberSet six, std::size_t count, std::size_t resultsLineTotal) {
    // Among the last fifty lines: row 50 - total + count (1-based).
    if (resultsLineTotal >= count && resultsLineTotal - count <= 49) {
        SortSix(six);
        recentDraws[kRecentDrawRows - 1 - (resultsLineTotal - count)] = six;
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
