#pragma once

#include <optional>

#include "canvas/canvas.hpp"
#include "game/number_set.hpp"
#include "stats/number_counts.hpp"

namespace kulko {

// What one paint of the frequency chart knows of the two files.
struct FrequencyChartData {
    // Numbers 1 to `columns` get a column (at most 49).
    int columns = kHighestNumber;
    // The counts of the results file and of the draw log; empty when the
    // file could not be read, and that series is then left out.
    std::optional<NumberCounts> results;
    std::optional<NumberCounts> drawLog;
};

// The whole frequency chart in painting order: the frame, the caption with
// the raw largest results count, the results series (red within 1% of the
// top, teal below) with its connecting lines, the draw log series (silver,
// scaled to 0.5) with its lines, and the draw log caption.
void DrawFrequencyChart(Canvas& canvas, const FrequencyChartData& data);

}  // namespace kulko
