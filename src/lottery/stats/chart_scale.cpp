#include "stats/chart_scale.hpp"

#include <cmath>

namespace kulko {

int ChartHeight(int count, int maxCount, int levels) {
    if (maxCount <= 0) {
        return kChartZeroHeight;
    }
    const double scaled =
        static_cast<double>(levels) * count / maxCount * static_cast<double>(kChartLevelStep);
    // nearbyint rounds halves to even under the default rounding mode, as
    // the chart's rounding asks (197.5 gives 198, 196.5 gives 196).
    return static_cast<int>(std::nearbyint(scaled)) + kChartZeroHeight;
}

int LargestCount(const NumberCounts& counts, int columns) {
    // Starts from the first count and takes only a strictly greater one.
    int largest = 0;
    for (int n = 1; n <= columns; ++n) {
        const int count = counts[static_cast<std::size_t>(n - 1)];
        if (n == 1 || count > largest) {
            largest = count;
        }
    }
    return largest;
}

}  // namespace kulko
