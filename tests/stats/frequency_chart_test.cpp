#include "stats/frequency_chart.hpp"

#include <gtest/gtest.h>

#include <vector>

#include "stats/chart_steps.hpp"

namespace kulko::test {
namespace {

NumberCounts CountsOf(std::initializer_list<std::pair<int, int>> numberAndCount, int others) {
    NumberCounts counts;
    counts.fill(others);
    for (auto [n, count] : numberAndCount) {
        counts[static_cast<std::size_t>(n - 1)] = count;
    }
    return counts;
}

ReplayedCanvas Chart(const std::optional<NumberCounts>& results,
                     const std::optional<NumberCounts>& drawLog, int columns = 49) {
    Canvas canvas;
    DrawFrequencyChart(canvas, {columns, results, drawLog});
    return Replay(canvas);
}

DrawnShape ResultsDot(const ReplayedCanvas& chart, int n) {
    return SeriesDots(chart, 5).at(static_cast<std::size_t>(n - 1));
}

TEST(FrequencyChart, TopNumberIsARedDotOnTheOneLevel) {
    const auto chart = Chart(CountsOf({{7, 812}}, 500), std::nullopt);
    const DrawnShape dot = ResultsDot(chart, 7);
    EXPECT_EQ(dot, (DrawnShape{colors::kRed, 5, 131, 79, 137, 85}));
    // The raw largest count, not the scaled one.
    ASSERT_NE(FindText(chart, 30, 345), nullptr);
    EXPECT_EQ(FindText(chart, 30, 345)->text, "Wartość max normowana do 1 wynosi 812");
}

TEST(FrequencyChart, NeverDrawnNumberLiesOnTheAxis) {
    const auto chart = Chart(CountsOf({{1, 0}, {49, 0}}, 40), std::nullopt);
    EXPECT_EQ(ResultsDot(chart, 1), (DrawnShape{colors::kTeal, 5, 47, 279, 53, 285}));
    EXPECT_EQ(ResultsDot(chart, 49), (DrawnShape{colors::kTeal, 5, 719, 279, 725, 285}));
}

TEST(FrequencyChart, RedBandCoversOnePercentBelowTheTop) {
    struct Case {
        int top, count;
        Rgb color;
        int boxTop;
    };
    const Case cases[] = {
        {100, 99, colors::kRed, 81},   // h 213
        {100, 98, colors::kTeal, 83},  // h 211
        {80, 79, colors::kRed, 81},    // 197.5 rounds to 198
        {80, 80, colors::kRed, 79},    // tied at the top
    };
    for (const Case& c : cases) {
        const auto chart = Chart(CountsOf({{3, c.top}, {20, c.count}}, 10), std::nullopt);
        const DrawnShape dot = ResultsDot(chart, 20);
        EXPECT_EQ(dot.color, c.color) << c.count << " of " << c.top;
        EXPECT_EQ(dot.y1, c.boxTop) << c.count << " of " << c.top;
        EXPECT_EQ(dot.y2, c.boxTop + 6);
    }
}

TEST(FrequencyChart, NothingCountedPutsTheSeriesOnTheZeroLine) {
    const auto chart = Chart(NumberCounts{}, NumberCounts{});
    for (const DrawnShape& dot : SeriesDots(chart, 5)) {
        EXPECT_EQ(dot.y1, 279);
        EXPECT_EQ(dot.color, colors::kTeal);
    }
    for (const DrawnShape& dot : SeriesDots(chart, 4)) {
        EXPECT_EQ(dot.y1, 279);
    }
    EXPECT_EQ(SeriesDots(chart, 5).size(), 49u);
    EXPECT_EQ(FindText(chart, 30, 345)->text, "Wartość max normowana do 1 wynosi 0");
}

TEST(FrequencyChart, UnreadableFileLeavesItsSeriesOut) {
    const auto noResults = Chart(std::nullopt, NumberCounts{});
    EXPECT_TRUE(SeriesDots(noResults, 5).empty());
    EXPECT_EQ(SeriesDots(noResults, 4).size(), 49u);
    EXPECT_EQ(FindText(noResults, 30, 345)->text, "Wartość max normowana do 1 wynosi 0");

    const auto neither = Chart(std::nullopt, std::nullopt);
    EXPECT_TRUE(SeriesDots(neither, 4).empty());
    // The frame and both captions are still there.
    EXPECT_NE(FindText(neither, 30, 360), nullptr);
    EXPECT_NE(FindText(neither, 750, 290), nullptr);
}

TEST(FrequencyChart, ConnectingLinesJoinTheDotCornersInGray) {
    NumberCounts results{};
    NumberCounts drawLog{};
    for (int n = 1; n <= 49; ++n) {
        results[static_cast<std::size_t>(n - 1)] = n;       // h(n) = nearest(200n/49) + 15
        drawLog[static_cast<std::size_t>(n - 1)] = 50 - n;  // falling
    }
    const auto chart = Chart(results, drawLog);
    std::vector<DrawnShape> joins;
    for (const DrawnShape& line : chart.lines) {
        if (line.x2 - line.x1 == 14 && line.color == colors::kGray) {
            joins.push_back(line);
        }
    }
    ASSERT_EQ(joins.size(), 2u * 48u);
    const auto results_dots = SeriesDots(chart, 5);
    const auto log_dots = SeriesDots(chart, 4);
    for (std::size_t i = 0; i < 48; ++i) {
        EXPECT_EQ(joins[i], (DrawnShape{colors::kGray, 1, results_dots[i].x1, results_dots[i].y1,
                                        results_dots[i + 1].x1, results_dots[i + 1].y1}));
        EXPECT_EQ(joins[48 + i], (DrawnShape{colors::kGray, 1, log_dots[i].x1, log_dots[i].y1,
                                             log_dots[i + 1].x1, log_dots[i + 1].y1}));
    }
}

TEST(FrequencyChart, FrameTextsStandAtTheirPlacesInGray) {
    const auto chart = Chart(CountsOf({}, 1), CountsOf({}, 1));
    const DrawnText expected[] = {
        {colors::kGray, 15, 50, "T"},
        {colors::kGray, 750, 290, "N"},
        {colors::kGray, 44, 290, "1"},
        {colors::kGray, 716, 290, "49"},
        {colors::kGray, 10, 253, "0.1"},
        {colors::kGray, 10, 93, "0.9"},
        {colors::kGray, 10, 73, "1.0"},
        {colors::kGray, 30, 315, "T - trafienia"},
        {colors::kGray, 30, 330, "N - numery"},
        {colors::kGray, 420, 312, "- wartości max +/- 1%"},
        {colors::kGray, 420, 327, "- poniżej wartości max"},
        {colors::kGray, 420, 342, "- aktualnie losowane"},
        {colors::kGray, 420, 357, "- pamięć losowań"},
        {colors::kGray, 30, 345, "Wartość max normowana do 1 wynosi 1"},
        {colors::kGray, 30, 360, "Pamięć losowań normowana do 0.5"},
    };
    for (const DrawnText& text : expected) {
        const DrawnText* found = FindText(chart, text.x, text.y);
        ASSERT_NE(found, nullptr) << text.text;
        EXPECT_EQ(*found, text);
    }
    EXPECT_EQ(chart.texts.size(), 2u + 49u + 10u + 2u + 4u + 2u);
    for (const DrawnText& text : chart.texts) {
        EXPECT_EQ(text.color, colors::kGray) << text.text;
    }
}

TEST(FrequencyChart, FrameLinesHaveTheirPensAndPlaces) {
    const auto chart = Chart(std::nullopt, std::nullopt);
    const auto has = [&](DrawnShape line) {
        return std::find(chart.lines.begin(), chart.lines.end(), line) != chart.lines.end();
    };
    const Rgb gray = colors::kGray;
    const Rgb silver = colors::kSilver;
    EXPECT_TRUE(has({gray, 1, 30, 280, 750, 280}));   // x axis
    EXPECT_TRUE(has({gray, 1, 750, 280, 740, 285}));  // its arrow head
    EXPECT_TRUE(has({gray, 1, 750, 280, 740, 275}));
    EXPECT_TRUE(has({gray, 1, 30, 280, 30, 60}));  // y axis
    EXPECT_TRUE(has({gray, 1, 30, 60, 35, 70}));
    EXPECT_TRUE(has({gray, 1, 30, 60, 25, 70}));
    EXPECT_TRUE(has({gray, 1, 47, 278, 47, 282}));     // tick of 1
    EXPECT_TRUE(has({silver, 1, 719, 278, 719, 80}));  // grid of 49
    EXPECT_TRUE(has({silver, 1, 28, 80, 32, 80}));     // scale tick 1.0
    EXPECT_TRUE(has({silver, 1, 28, 260, 720, 260}));  // grid level 0.1
    EXPECT_TRUE(has({silver, 1, 28, 80, 720, 80}));    // grid level 1.0
    // 6 axis strokes, 49 ticks, 49 grid columns, 10 scale ticks, 10 grid rows.
    EXPECT_EQ(chart.lines.size(), 6u + 49u + 49u + 10u + 10u);
}

TEST(FrequencyChart, LegendShowsEachColourAsADot) {
    const auto chart = Chart(std::nullopt, std::nullopt);
    const std::vector<DrawnShape> expected = {
        {colors::kRed, 5, 400, 318, 405, 323},
        {colors::kTeal, 5, 400, 333, 405, 338},
        {colors::kBlue, 5, 400, 348, 405, 353},
        {colors::kSilver, 5, 400, 363, 405, 368},
    };
    EXPECT_EQ(chart.dots, expected);
}

TEST(FrequencyChart, SeriesComeInPaintingOrder) {
    // Later items cover earlier ones: the caption, the results dots, their
    // lines, the draw log dots, their lines, and the draw log caption last.
    Canvas canvas;
    DrawFrequencyChart(canvas, {49, CountsOf({}, 3), CountsOf({}, 3)});
    const auto& steps = canvas.Steps();
    auto indexOf = [&](auto predicate) {
        return std::find_if(steps.begin(), steps.end(), predicate) - steps.begin();
    };
    const auto caption = indexOf([](const CanvasStep& s) { return s.y1 == 345; });
    const auto resultsDot = indexOf([](const CanvasStep& s) {
        return s.kind == CanvasStep::Kind::Ellipse && s.x2 - s.x1 == 6;
    });
    const auto resultsLine = indexOf(
        [](const CanvasStep& s) { return s.kind == CanvasStep::Kind::Line && s.x2 - s.x1 == 14; });
    const auto drawLogPen = indexOf(
        [](const CanvasStep& s) { return s.kind == CanvasStep::Kind::Pen && s.width == 4; });
    EXPECT_LT(caption, resultsDot);
    EXPECT_LT(resultsDot, resultsLine);
    EXPECT_LT(resultsLine, drawLogPen);
    EXPECT_EQ(steps.back(), (CanvasStep{CanvasStep::Kind::Text, colors::kBlack, 1, 30, 360, 0, 0,
                                        "Pamięć losowań normowana do 0.5"}));
}

TEST(FrequencyChart, ColumnsFollowTheHighestNumber) {
    const auto chart = Chart(CountsOf({}, 1), CountsOf({}, 1), 10);
    EXPECT_EQ(SeriesDots(chart, 5).size(), 10u);
    EXPECT_EQ(SeriesDots(chart, 4).size(), 10u);
    EXPECT_EQ(FindText(chart, 14 * 11 + 30, 290), nullptr);
    // Never more columns than there are numbers.
    EXPECT_EQ(SeriesDots(Chart(CountsOf({}, 1), std::nullopt, 60), 5).size(), 49u);
}

// The window keeps its last chart and hands it on while the counts look the
// same; it must never show a stale or a borrowed picture.
TEST(FrequencyChart, KeptPictureIsAlwaysTheChartOfTheCountsNow) {
    const auto drawn = [](const FrequencyChartData& data) {
        Canvas canvas;
        DrawFrequencyChart(canvas, data);
        return canvas.Steps();
    };
    const FrequencyChartData before{49, CountsOf({{7, 812}}, 500), CountsOf({}, 100000)};
    std::vector<FrequencyChartData> paints(4, before);
    (*paints[1].drawLog)[0] += 1;  // one more set: the same heights, the same picture
    paints[2] = paints[1];
    (*paints[2].drawLog)[0] += 5000;
    paints[3] = paints[2];
    (*paints[3].results)[8] = 900;  // another top, and another caption
    paints.push_back(before);

    FrequencyChartPicture picture;
    for (const FrequencyChartData& data : paints) {
        Canvas shown;
        picture.Draw(shown, data);
        EXPECT_EQ(shown.Steps(), drawn(data));
        // What a caller adds to its copy stays out of the kept picture.
        shown.Line(1, 2, 3, 4);
        shown.Clear();
    }
    // Drawn after steps of its own, the chart follows them.
    Canvas marks;
    marks.Line(1, 2, 3, 4);
    picture.Draw(marks, before);
    ASSERT_EQ(marks.Steps().size(), drawn(before).size() + 1);
    EXPECT_EQ(marks.Steps().back(), drawn(before).back());
}

}  // namespace
}  // namespace kulko::test
