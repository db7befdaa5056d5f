#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "stats/chart_steps.hpp"
#include "support/window_fixture.hpp"

namespace kulko::test {
namespace {

// A results line of draw `draw` with the given six numbers.
std::string ResultsLine(int draw, const std::string& numbers) {
    char number[8];
    std::snprintf(number, sizeof number, "%04d", draw);
    return std::string(number) + ";27.01.1957;" + numbers;
}

class PaintTest : public WindowTest {
  protected:
    // Starts the window on a results file where 7 is drawn three times,
    // 8 twice and the numbers of "1;2;3;4;5;9" once.
    void StartWithResults() {
        WriteSettings('\0', '\0', '\1');
        dir.Write("kulko.txt",
                  Lines({ResultsLine(1, "7;8;10;11;12;13"), ResultsLine(2, "7;8;14;15;16;17"),
                         ResultsLine(3, "7;18;19;20;21;22")}));
        Start();
    }
    ReplayedCanvas Paint() {
        Canvas canvas;
        Window().FormPaint(canvas);
        return Replay(canvas);
    }
};

TEST_F(PaintTest, FreshStartShowsTheResultsAndTheFirstDrawLogLine) {
    StartWithResults();
    const auto chart = Paint();

    const auto results = SeriesDots(chart, 5);
    ASSERT_EQ(results.size(), 49u);
    EXPECT_EQ(results[7 - 1], (DrawnShape{colors::kRed, 5, 131, 79, 137, 85}));
    // 8 drawn twice of 3: nearest(133.33) + 15 = 148.
    EXPECT_EQ(results[8 - 1], (DrawnShape{colors::kTeal, 5, 145, 146, 151, 152}));
    EXPECT_EQ(results[49 - 1], (DrawnShape{colors::kTeal, 5, 719, 279, 725, 285}));
    EXPECT_EQ(FindText(chart, 30, 345)->text, "Wartość max normowana do 1 wynosi 3");

    // Start-up wrote the draw log "1;2;3;4;5;6".
    const auto log = SeriesDots(chart, 4);
    ASSERT_EQ(log.size(), 49u);
    for (int n = 1; n <= 49; ++n) {
        const DrawnShape& dot = log[static_cast<std::size_t>(n - 1)];
        const int top = n <= 6 ? 179 : 279;  // 1 to 6 at the 0.5 level
        EXPECT_EQ(dot, (DrawnShape{colors::kSilver, 4, 14 * n + 33, top, 14 * n + 39, top + 4}))
            << "number " << n;
    }
}

TEST_F(PaintTest, EveryPaintReadsBothFilesAnew) {
    StartWithResults();
    dir.Write("losowania_kulko.txt", Lines({"1;2;3;4;5;6", "40;41;42;43;44;45", "40;1;1;1;1;1"}));
    dir.Write("kulko.txt", Lines({ResultsLine(1, "30;31;32;33;34;35")}));
    const auto chart = Paint();
    EXPECT_EQ(SeriesDots(chart, 5)[30 - 1].color, colors::kRed);
    EXPECT_EQ(SeriesDots(chart, 5)[7 - 1].y1, 279);
    EXPECT_EQ(SeriesDots(chart, 4)[1 - 1].y1, 179);   // 6 times, the top
    EXPECT_EQ(SeriesDots(chart, 4)[40 - 1].y1, 246);  // 2 of 6: nearest(33.3) + 15
    EXPECT_EQ(FindText(chart, 30, 345)->text, "Wartość max normowana do 1 wynosi 1");
}

TEST_F(PaintTest, DamagedValuesOutsideTheGameAreSkipped) {
    // With the check off, start-up lets a damaged line through.
    WriteSettings('\0', '\0', '\0');
    dir.Write("kulko.txt",
              Lines({ResultsLine(1, "0;50;7;99;-7;7"), ResultsLine(2, "1;2;3;4;5;6")}));
    Start();
    dir.Write("losowania_kulko.txt", Lines({"0;50;12;12"}));
    const auto chart = Paint();
    EXPECT_EQ(FindText(chart, 30, 345)->text, "Wartość max normowana do 1 wynosi 2");
    EXPECT_EQ(SeriesDots(chart, 5)[7 - 1].color, colors::kRed);
    EXPECT_EQ(SeriesDots(chart, 5)[1 - 1].y1, 294 - 115);
    EXPECT_EQ(SeriesDots(chart, 4)[12 - 1].y1, 179);
    EXPECT_EQ(SeriesDots(chart, 4)[49 - 1].y1, 279);
}

TEST_F(PaintTest, MissingOrEmptyFilesNeverFailThePaint) {
    StartWithResults();
    // Empty files count nothing: both series lie on the zero line.
    dir.Write("kulko.txt", "");
    dir.Write("losowania_kulko.txt", "");
    auto chart = Paint();
    EXPECT_EQ(SeriesDots(chart, 5).size(), 49u);
    EXPECT_EQ(SeriesDots(chart, 5)[0].y1, 279);
    EXPECT_EQ(SeriesDots(chart, 4)[0].y1, 279);
    EXPECT_EQ(FindText(chart, 30, 345)->text, "Wartość max normowana do 1 wynosi 0");

    // Missing files leave their series out; the rest is drawn.
    std::filesystem::remove(dir / "kulko.txt");
    std::filesystem::remove(dir / "losowania_kulko.txt");
    chart = Paint();
    EXPECT_TRUE(SeriesDots(chart, 5).empty());
    EXPECT_TRUE(SeriesDots(chart, 4).empty());
    EXPECT_NE(FindText(chart, 30, 360), nullptr);
    EXPECT_EQ(chart.lines.size(), 6u + 49u + 49u + 10u + 10u);

    // A draw log that cannot be read as a file is left out the same way.
    std::filesystem::create_directory(dir / "losowania_kulko.txt");
    EXPECT_NO_THROW(Paint());
    EXPECT_TRUE(screen.notices.empty());
}

}  // namespace
}  // namespace kulko::test
