#include <gtest/gtest.h>

#include <QImage>
#include <QTest>
#include <algorithm>
#include <string>

#include "gui/gui_support.hpp"
#include "stats/number_counts.hpp"

namespace kulko::test {
namespace {

// The real window on the shipped history, the news already seen so that
// nothing covers the chart.
class ChartGui : public ShownWindowTest {
  protected:
    QImage Shot() { return window->grab().toImage().convertToFormat(QImage::Format_RGB32); }

    static int PixelsOf(const QImage& image, QRect area, QColor color) {
        int found = 0;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                found += image.pixelColor(x, y) == color ? 1 : 0;
            }
        }
        return found;
    }
    static int TopNumber() {
        const NumberCounts counts = CountResultsNumbers(KULKO_SHIPPED_HISTORY);
        return static_cast<int>(std::max_element(counts.begin(), counts.end()) - counts.begin()) +
               1;
    }
};

const QColor kRed(255, 0, 0);
const QColor kGray(128, 128, 128);
const QColor kSilver(192, 192, 192);
const QColor kBlue(0, 0, 255);

TEST_F(ChartGui, TopNumberIsARedDotOnTheOneLevelAndTheAxesAreGray) {
    const QImage image = Shot();
    ASSERT_EQ(image.size(), QSize(997, 613));
    const int x = 14 * TopNumber() + 33;
    // The dot's box runs from y 79 to 85; its 5-pixel outline straddles it.
    EXPECT_GE(PixelsOf(image, QRect(x - 2, 77, 11, 11), kRed), 20);
    // No red anywhere near the zero line: every number was drawn often.
    EXPECT_EQ(PixelsOf(image, QRect(40, 260, 700, 30), kRed), 0);

    EXPECT_EQ(image.pixelColor(30, 150), kGray);              // y axis
    EXPECT_EQ(image.pixelColor(14 * 20 + 43, 280), kGray);    // x axis between columns
    EXPECT_EQ(image.pixelColor(14 * 20 + 33, 200), kSilver);  // grid column of 20
    EXPECT_EQ(image.pixelColor(600, 140), kSilver);           // grid level 0.7
    // The draw log of a fresh start: 1 to 6 at the 0.5 level, in silver.
    EXPECT_GE(PixelsOf(image, QRect(47 - 2, 177, 11, 9), kSilver), 10);
}

TEST_F(ChartGui, CaptionsAreWrittenInGrayText) {
    const QImage image = Shot();
    // Antialiased glyphs give shades of gray: anything darker than the
    // white background and without colour.
    int ink = 0;
    for (int y = 345; y < 358; ++y) {
        for (int x = 30; x < 200; ++x) {
            const QColor c = image.pixelColor(x, y);
            ink += (c.red() == c.green() && c.green() == c.blue() && c.red() < 230) ? 1 : 0;
        }
    }
    EXPECT_GT(ink, 30);
}

TEST_F(ChartGui, BlueMarksStayUntilTheNextRepaintAtOnce) {
    const int x = 14 * TopNumber() + 33;
    Canvas marks;
    marks.SetPen(colors::kBlue, 5);
    marks.Ellipse(x, 250, x + 6, 256);
    window->DrawMarks(marks);
    const QRect area(x - 3, 247, 13, 13);
    EXPECT_GE(PixelsOf(Shot(), area, kBlue), 20);

    window->RepaintNow();
    EXPECT_EQ(PixelsOf(Shot(), area, kBlue), 0);
    // The 5-pixel blue pen of the marks leaves no trace on the chart's lines.
    EXPECT_EQ(Shot().pixelColor(30, 150), kGray);
}

TEST_F(ChartGui, LosujMarksTheDrawnSetAndDoPamieciRepaintsThemAway) {
    QTest::mouseClick(Find<QWidget>(*window, "SpeedButton2"), Qt::LeftButton);
    const std::string set = window->Window().PendingSetText;
    ASSERT_FALSE(set.empty());
    QImage image = Shot();
    int marked = 0;
    for (int n = 1; n <= 49; ++n) {
        const int blue = PixelsOf(image, QRect(14 * n + 30, 247, 13, 13), kBlue);
        marked += blue > 0 ? 1 : 0;
        const std::string field = std::to_string(n);
        const bool inSet = (";" + set + ";").find(";" + field + ";") != std::string::npos;
        EXPECT_EQ(blue > 0, inSet) << "number " << n << " of " << set;
    }
    EXPECT_EQ(marked, 6);

    window->Run([this] { window->Window().SpeedButton6Click(); });
    EXPECT_EQ(PixelsOf(Shot(), QRect(40, 245, 700, 15), kBlue), 0);
}

}  // namespace
}  // namespace kulko::test
