#include "results/draw_summary.hpp"

#include <algorithm>
#include <cstdint>

namespace kulko {

void DrawSummary::AddUnorderedDraw(NumberSet six, std::size_t resultsLineTotal) {
    // Parity and low or high need no order: one pass over the numbers.
    int odd = 0;
    int low = 0;
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
    std::uint64_t follows = 0;
    for (std::size_t i = 0; i + 1 < six.size(); ++i) {
        follows |= std::uint64_t{std::int64_t{six[i + 1]} == std::int64_t{six[i]} + 1} << i;
    }
    AddSortedDraw(six, odd == 0, odd == kNumbersPerDraw, low, follows, resultsLineTotal);
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
