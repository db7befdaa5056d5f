#include "stats/chart_frame.hpp"

#include <string>

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

// "0.1" to "0.9", then "1.0".
std::string LevelText(int k) {
    return std::to_string(k / 10) + "." + std::to_string(k % 10);
}

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
        canvas.Text(x - 3, 290, std::to_string(n));
        canvas.Line(x, kChartBottom - 2, x, kChartBottom + 2);
    }

    canvas.SetPen(colors::kSilver, 1);
    for (int n = 1; n <= columns; ++n) {
        const int x = ChartColumn(n);
        canvas.Line(x, kChartBottom - 2, x, kGridTop);
    }
    for (int k = 1; k <= kChartLevels; ++k) {
        canvas.Text(10, ChartLevelY(k) - 7, LevelText(k));
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
