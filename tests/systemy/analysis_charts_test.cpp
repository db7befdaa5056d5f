// The charts of the analyses' pages, step by step on the canvas.
#include <gtest/gtest.h>

#include "systemy/band_chart.hpp"
#include "systemy/wins_chart.hpp"

namespace kulko::test {
namespace {

// The lines drawn with a pen of the colour and width given.
std::vector<CanvasStep> LinesIn(const Canvas& canvas, Rgb color, int width) {
    std::vector<CanvasStep> lines;
    bool inPen = false;
    for (const CanvasStep& step : canvas.Steps()) {
        if (step.kind == CanvasStep::Kind::Pen) {
            inPen = step.color == color && step.width == width;
        } else if (inPen && step.kind == CanvasStep::Kind::Line) {
            lines.push_back(step);
        }
    }
    return lines;
}

TEST(AnalysisCharts, WinsEndWhereTheyCountAndBandsColourTheNumbers) {
    Canvas wins;
    DrawWinsChart(wins, {0, 1, 1, 2}, 0.5, "");
    // Both lines end at the top right: 2 wins, as chance expects after 4 draws.
    const std::vector<CanvasStep> red = LinesIn(wins, colors::kRed, 2);
    ASSERT_FALSE(red.empty());
    const std::vector<CanvasStep> gray = LinesIn(wins, colors::kGray, 1);
    ASSERT_EQ(gray.size(), 1u);
    EXPECT_EQ(std::make_pair(red.back().x2, red.back().y2), std::make_pair(gray[0].x2, gray[0].y2));
    EXPECT_LT(red.front().y2, red.front().y1 + 1);  // rising from zero
    // A long history draws no more steps than the chart has pixels.
    Canvas many;
    DrawWinsChart(many, std::vector<std::int64_t>(100000, 7), 0.0, "");
    EXPECT_LE(LinesIn(many, colors::kRed, 2).size(), static_cast<std::size_t>(kWinsChartWidth));

    Canvas band;
    std::array<std::int64_t, kHighestNumber> counts{};
    counts.fill(100);
    counts[0] = 131;  // above the band
    counts[1] = 69;   // below it
    DrawBandChart(band, counts, {70, 130}, 100.0);
    std::vector<Rgb> columns;
    for (const CanvasStep& step : band.Steps()) {
        if (step.kind == CanvasStep::Kind::Pen && step.width == 8) {
            columns.push_back(step.color);
        }
    }
    ASSERT_EQ(columns.size(), 49u);
    EXPECT_EQ(columns[0], colors::kRed);
    EXPECT_EQ(columns[1], colors::kBlue);
    EXPECT_EQ(columns[2], colors::kTeal);
    // The lower column ends lower on the chart.
    const std::vector<CanvasStep> high = LinesIn(band, colors::kRed, 8);
    const std::vector<CanvasStep> low = LinesIn(band, colors::kBlue, 8);
    ASSERT_EQ(high.size(), 1u);
    ASSERT_EQ(low.size(), 1u);
    EXPECT_LT(high[0].y2, low[0].y2);
    // The bars stand on zero (an axis cut higher makes chance's small
    // differences look large): their heights in the ratio of their counts.
    EXPECT_NEAR(static_cast<double>(high[0].y1 - high[0].y2) / (low[0].y1 - low[0].y2),
                131.0 / 69.0, 0.05);
}

}  // namespace
}  // namespace kulko::test
