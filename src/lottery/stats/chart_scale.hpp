#pragma once

#include "stats/number_counts.hpp"

namespace kulko {

// Geometry of the frequency chart, in window pixels.
inline constexpr int kChartLeft = 30;     // the y axis
inline constexpr int kChartBottom = 280;  // the x axis
inline constexpr int kChartLevelStep = 20;
inline constexpr int kChartLevels = 10;  // 0.1 to 1.0
// A height of this many pixels stands for a count of zero.
inline constexpr int kChartZeroHeight = 15;

// The column of number n: x(1) = 47, x(49) = 719.
constexpr int ChartColumn(int n) {
    return 14 * n + 33;
}

// The y of scale level k (1 to 10); level 10 (1.0) lies at 80.
constexpr int ChartLevelY(int k) {
    return kChartBottom - kChartLevelStep * k;
}

// nearest(levels * count / maxCount * 20) + 15, with the division and the
// multiplication done in double in that order and halves rounded to even:
// the results series uses 10 levels (top number 215), the draw log 5 (115).
// A largest count of 0 (no value 1 to 49 in the file) puts every number on
// the zero line (15) instead of dividing by zero.
int ChartHeight(int count, int maxCount, int levels);

// The largest of the first `columns` counts, 0 when there are none.
int LargestCount(const NumberCounts& counts, int columns);

}  // namespace kulko
