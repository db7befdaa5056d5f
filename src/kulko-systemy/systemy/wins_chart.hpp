#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "canvas/canvas.hpp"

namespace kulko {

// The chart of "Historia zestawów" in window pixels: the cumulative count
// of wins after each draw (red) against the line chance alone gives,
// expectedPerDraw a draw (gray), with the axes, their largest values and
// a legend. An empty series draws the frame alone.
inline constexpr int kWinsChartWidth = 720;
inline constexpr int kWinsChartHeight = 300;

void DrawWinsChart(Canvas& canvas, const std::vector<std::int64_t>& wins, double expectedPerDraw,
                   const std::string& legend);

}  // namespace kulko
