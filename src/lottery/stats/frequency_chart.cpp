#include "stats/frequency_chart.hpp"

#include <algorithm>
#include <array>
#include <string>

#include "stats/chart_frame.hpp"
#include "stats/chart_scale.hpp"

namespace kulko {
namespace {

using Heights = FrequencyChartLook::Heights;

constexpr int kResultsLevels = 10;  // the top number reaches 1.0
constexpr int kDrawLogLevels = 5;   // the top number reaches 0.5
// A results height from this up is within 1% of the top: nearest(...) of
// at least 198, about 99% of the largest count. Ties at the top are red.
constexpr int kTopBandHeight = 213;
// A dot's box starts 294 - height down the window, 2 pixels below its level.
constexpr int kDotBase = 294;

Heights ScaleSeries(const NumberCounts& counts, int columns, int maxCount, int levels) {
    Heights heights{};
    for (int n = 1; n <= columns; ++n) {
        const auto i = static_cast<std::size_t>(n - 1);
        heights[i] = ChartHeight(counts[i], maxCount, levels);
    }
    return heights;
}

int Height(const Heights& heights, int n) {
    return heights[static_cast<std::size_t>(n - 1)];
}

// Gray 1-pixel lines joining the dots' top left corners.
void ConnectDots(Canvas& canvas, const Heights& heights, int columns) {
    canvas.SetPen(colors::kGray, 1);
    for (int n = 1; n < columns; ++n) {
        canvas.Line(ChartColumn(n), kDotBase - Height(heights, n), ChartColumn(n + 1),
                    kDotBase - Height(heights, n + 1));
    }
}

void DrawResultsSeries(Canvas& canvas, const Heights& heights, int columns) {
    for (int n = 1; n <= columns; ++n) {
        const int h = Height(heights, n);
        canvas.SetPen(h >= kTopBandHeight ? colors::kRed : colors::kTeal, 5);
        canvas.Ellipse(ChartColumn(n), kDotBase - h, ChartColumn(n) + 6, kDotBase + 6 - h);
    }
    ConnectDots(canvas, heights, columns);
}

void DrawDrawLogSeries(Canvas& canvas, const Heights& heights, int columns) {
    canvas.SetPen(colors::kSilver, 4);
    for (int n = 1; n <= columns; ++n) {
        const int m = Height(heights, n);
        canvas.Ellipse(ChartColumn(n), kDotBase - m, ChartColumn(n) + 6, kDotBase + 4 - m);
    }
    ConnectDots(canvas, heights, columns);
}

}  // namespace

FrequencyChartLook FrequencyChartLook::Of(const FrequencyChartData& data) {
    FrequencyChartLook look;
    look.columns = std::clamp(data.columns, 0, kHighestNumber);
    // A results file that could not be read counts nothing: the caption
    // shows 0 and its series is left out.
    look.maxCount = data.results ? LargestCount(*data.results, look.columns) : 0;
    if (data.results) {
        look.results = ScaleSeries(*data.results, look.columns, look.maxCount, kResultsLevels);
    }
    if (data.drawLog) {
        look.drawLog = ScaleSeries(*data.drawLog, look.columns,
                                   LargestCount(*data.drawLog, look.columns), kDrawLogLevels);
    }
    return look;
}

void DrawFrequencyChart(Canvas& canvas, const FrequencyChartLook& look) {
    const int columns = look.columns;
    // The frame, two series of dots and lines, and the captions.
    canvas.Reserve(canvas.Steps().size() + 32 + 9 * static_cast<std::size_t>(columns));
    DrawChartFrame(canvas, columns);
    canvas.Text(30, 345, "Wartość max normowana do 1 wynosi " + std::to_string(look.maxCount));
    if (look.results) {
        DrawResultsSeries(canvas, *look.results, columns);
    }
    if (look.drawLog) {
        DrawDrawLogSeries(canvas, *look.drawLog, columns);
    }
    canvas.Text(30, 360, "Pamięć losowań normowana do 0.5");
}

void DrawFrequencyChart(Canvas& canvas, const FrequencyChartData& data) {
    DrawFrequencyChart(canvas, FrequencyChartLook::Of(data));
}

void FrequencyChartPicture::Draw(Canvas& canvas, const FrequencyChartData& data) {
    FrequencyChartLook look = FrequencyChartLook::Of(data);
    if (!drawn_ || *drawn_ != look) {
        picture_.Clear();
        DrawFrequencyChart(picture_, look);
        drawn_ = std::move(look);
    }
    canvas.Append(picture_);
}

}  // namespace kulko
