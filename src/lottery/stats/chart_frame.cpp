#include "stats/chart_frame.hpp"

#include <string_view>

#include "game/number_set.hpp"
#include "stats/chart_scale.hpp"

namespace kulko {
namespace {

constexpr int kXAxisEnd = 750;
constexpr int kYAxisTop = 60;
constexpr int kGridTop = 80;
constexpr int kGridRight = 720;

void DrawAxes(Canvas& canvas) {
    canvas.Line(kChartLeft, kChartBottom, kXAxisEnd, kChartBottom);
    canvas.Line(kXAxisEnd, kChartBottom, kXAxisEnd - 10, kChartBottom + 5);
    canvas.Line(kXAxisEnd, kChartBottom, kXAxisEnd - 10, kChartBottom - 5);
    canvas.Line(kChartLeft, kChartBottom, kChartLeft, kYAxisTop);
    canvas.Line(kChartLeft, kYAxisTop, kChartLeft + 5, kYAxisTop + 10);
    canvas.Line(kChartLeft, kYAxisTop, kChartLeft - 5, kYAxisTop + 10);
    canvas.Text(15, 50, "T");
    canvas.Text(kXAxisEnd, 290, "N");
}

// The captions are the same at every paint: written once, not formatted
// anew each time. "0.1" to "0.9", then "1.0".
constexpr std::string_view kLevelTexts[kChartLevels] = {"0.1", "0.2", "0.3", "0.4", "0.5",
                                                        "0.6", "0.7", "0.8", "0.9", "1.0"};

constexpr std::string_view kNumberTexts[kHighestNumber] = {
    "1",  "2",  "3",  "4",  "5",  "6",  "7",  "8",  "9",  "10", "11", "12", "13",
    "14", "15", "16", "17", "18", "19", "20", "21", "22", "23", "24", "25", "26",
    "27", "28", "29", "30", "31", "32", "33", "34", "35", "36", "37", "38", "39",
    "40", "41", "42", "43", "44", "45", "46", "47", "48", "49"};

void DrawLegendRow(Canvas& canvas, int top, Rgb color, const char* text) {
    canvas.SetPen(color, 5);
    canvas.Ellipse(400, top, 405, top + 5);
    canvas.Text(420, top - 6, text);
}

}  // namespace

void DrawChartFrame(Canvas& canvas, int columns) {
    canvas.SetPen(colors::kGray, 1);
    canvas.SetFontColor(colors::kGray);
    DrawAxes(canvas);

    for (int n = 1; n <= columns; ++n) {
        const int x = ChartColumn(n);
        canvas.Text(x - 3, 290, kNumberTexts[n - 1]);
        canvas.Line(x, kChartBottom - 2, x, kChartBottom + 2);
    }

    canvas.SetPen(colors::kSilver, 1);
    for (int n = 1; n <= columns; ++n) {
        const int x = ChartColumn(n);
        canvas.Line(x, kChartBottom - 2, x, kGridTop);
    }
    for (int k = 1; k <= kChartLevels; ++k) {
        canvas.Text(10, ChartLevelY(k) - 7, kLevelTexts[k - 1]);
        canvas.Line(kChartLeft - 2, ChartLevelY(k), kChartLeft + 2, ChartLevelY(k));
    }
    for (int k = 1; k <= kChartLevels; ++k) {
        canvas.Line(kChartLeft - 2, ChartLevelY(k), kGridRight, ChartLevelY(k));
    }

    canvas.Text(30, 315, "T - trafienia");
    canvas.Text(30, 330, "N - numery");

    DrawLegendRow(canvas, 318, colors::kRed, "- wartości max +/- 1%");
    DrawLegendRow(canvas, 333, colors::kTeal, "- poniżej wartości max");
    DrawLegendRow(canvas, 348, colors::kBlue, "- aktualnie losowane");
    DrawLegendRow(canvas, 363, colors::kSilver, "- pamięć losowań");
}

}  // namespace kulko
