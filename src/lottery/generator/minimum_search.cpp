#include "generator/minimum_search.hpp"

#include <algorithm>
#include <numeric>

namespace kulko {

NumberSet SixLeastDrawn(const NumberCounts& counts) {
    std::array<int, kHighestNumber> numbers{};
    std::iota(numbers.begin(), numbers.end(), kLowestNumber);
    std::stable_sort(numbers.begin(), numbers.end(), [&](int a, int b) {
        return counts[static_cast<std::size_t>(a - 1)] < counts[static_cast<std::size_t>(b - 1)];
    });
    NumberSet set{};
    std::copy_n(numbers.begin(), set.size(), set.begin());
    std::sort(set.begin(), set.end());
    return set;
}

}  // namespace kulko
