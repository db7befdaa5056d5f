#pragma once

#include "canvas/canvas.hpp"

namespace kulko {

// The fixed part of the frequency chart: axes with arrow heads, axis names,
// number texts and ticks for the numbers 1 to `columns`, the grid, the
// scale, the axis explanations and the legend (`columns` is 0 to 49).
// Starts by setting its own
// pen and font colour, so whatever was drawn before has no effect.
void DrawChartFrame(Canvas& canvas, int columns);

}  // namespace kulko
