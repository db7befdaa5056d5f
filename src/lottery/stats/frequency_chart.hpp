#pragma once

#include <array>
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

// What the chart shows of the counts: the heights of the dots in pixels,
// and the largest results count its caption names. Counts that differ can
// look the same (a million sets logged and one more).
struct FrequencyChartLook {
    using Heights = std::array<int, kHighestNumber>;
    static FrequencyChartLook Of(const FrequencyChartData& data);

    int columns = 0;
    int maxCount = 0;
    std::optional<Heights> results;
    std::optional<Heights> drawLog;
    bool operator==(const FrequencyChartLook&) const = default;
};

// The whole frequency chart in painting order: the frame, the caption with
// the raw largest results count, the results series (red within 1% of the
// top, teal below) with its connecting lines, the draw log series (silver,
// scaled to 0.5) with its lines, and the draw log caption.
void DrawFrequencyChart(Canvas& canvas, const FrequencyChartData& data);
void DrawFrequencyChart(Canvas& canvas, const FrequencyChartLook& look);

// The window's chart, drawn anew only when it would look different from the
// last time: a paint after one more set was logged usually shows the very
// same picture, which is then handed on as it is.
class FrequencyChartPicture {
  public:
    // Appends the chart of `data` to `canvas`.
    void Draw(Canvas& canvas, const FrequencyChartData& data);

  private:
    std::optional<FrequencyChartLook> drawn_;
    Canvas picture_;
};

}  // namespace kulko
