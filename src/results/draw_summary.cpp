#include "results/draw_summary.hpp"

#include <algorithm>

namespace kulko {

void DrawSummary::AddDraw(NumberSet six, std::size_t resultsLineTotal) {
    const bool allEven = std::all_of(six.begin(), six.end(), [](int n) { return n % 2 == 0; });
    const bool allOdd = std::all_of(six.begin(), six.end(), [](int n) { return n % 2 != 0; });
    allEvenDraws += allEven ? 1 : 0;
    allOddDraws += allOdd ? 1 : 0;

    std::sort(six.begin(), six.end());
    for (int n : six) {
        if (n < kFirstHighNumber) {
            ++lowNumberTotal;
        } else {
            ++highNumberTotal;
        }
    }
    for (std::size_t i = 0; i + 2 < six.size(); ++i) {
        if (six[i + 1] == six[i] + 1 && six[i + 2] == six[i] + 2) {
            ++tripleDraws;
            break;
        }
    }
    for (std::size_t i = 0; i + 1 < six.size(); ++i) {
        if (six[i + 1] == six[i] + 1) {
            ++pairDraws;
            break;
        }
    }
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
