#pragma once

#include <array>
#include <cstdint>

#include "analyses/number_runs.hpp"
#include "canvas/canvas.hpp"

namespace kulko {

// The chart of "Liczby" in window pixels: a column for each number's count,
// the band chance alone gives (silver lines) and its middle (gray), columns
// above the band red, below it blue, inside it teal, with the axes and a
// legend.
inline constexpr int kBandChartWidth = 760;
inline constexpr int kBandChartHeight = 300;

void DrawBandChart(Canvas& canvas, const std::array<std::int64_t, kHighestNumber>& counts,
                   ChanceBand band, double expected);

}  // namespace kulko
