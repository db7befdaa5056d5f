// "Losuj" in the real window on the offscreen platform.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QTest>
#include <regex>

#include "generator/ball_pictures.hpp"
#include "gui/gui_support.hpp"

namespace kulko::test {
namespace {

std::filesystem::path ShippedBalls() {
    return std::filesystem::path(KULKO_SHIPPED_HISTORY).parent_path().parent_path() / "assets" /
           "Ikonki";
}

// The caption of a panel is its own unnamed label.
std::string PanelCaption(QWidget& window, const char* name) {
    auto* panel = Find<QFrame>(window, name);
    if (panel == nullptr) {
        return "<missing>";
    }
    for (QLabel* label : panel->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        if (label->objectName().isEmpty()) {
            return label->text().toStdString();
        }
    }
    return "<no caption>";
}

std::vector<int> NumbersOf(const std::string& text) {
    std::vector<int> numbers;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find(';', start), text.size());
        numbers.push_back(std::stoi(text.substr(start, end - start)));
        start = end + 1;
    }
    return numbers;
}

TEST(GeneratorGui, LosujShowsTheSetAndTheBallsAndLogsTheSet) {
    TempDir dir;
    PrepareWorkDir(dir);
    std::filesystem::create_directory(dir / "Ikonki");
    for (int n = 1; n <= 49; ++n) {
        const std::string name = std::to_string(n) + ".jpg";
        std::filesystem::copy_file(ShippedBalls() / name, dir / "Ikonki" / name);
    }
    FakeSystem system;
    system.seed = 20240607;
    MainWindow window(dir.Path(), system, "updates.test");
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const std::string logBefore = dir.Read("losowania_kulko.txt");
    EXPECT_FALSE(Find<QWidget>(window, "Panel5")->isVisible());

    QTest::mouseClick(Find<QWidget>(window, "SpeedButton2"), Qt::LeftButton);

    const std::string set = PanelCaption(window, "Panel1");
    ASSERT_TRUE(std::regex_match(set, std::regex(R"(\d+(;\d+){5})"))) << set;
    EXPECT_EQ(LabelText(window, "Label3"), "Ilość losowań 1");
    EXPECT_EQ(dir.Read("losowania_kulko.txt"), logBefore + set + "\r\n");

    // The balls lie over the set text, the smallest number first.
    QWidget* balls = Find<QWidget>(window, "Panel5");
    EXPECT_TRUE(balls->isVisible());
    EXPECT_EQ(balls->geometry(), QRect(8, 407, 350, 115));
    const std::vector<int> numbers = NumbersOf(set);
    for (int k = 0; k < 6; ++k) {
        const std::string name = "obraz" + std::to_string(k + 1);
        QLabel* picture = Find<QLabel>(window, name.c_str());
        ASSERT_NE(picture, nullptr);
        EXPECT_TRUE(picture->isVisible());
        const QImage shown = picture->pixmap().toImage().convertToFormat(QImage::Format_RGB888);
        ASSERT_EQ(shown.size(), QSize(50, 50)) << name;
        const Picture expected = LoadJpegPicture(
            BallPicturePath(dir.Path(), numbers[static_cast<std::size_t>(k)]), 50, 50);
        // The centre of the ball, where its number is written.
        for (int y = 18; y < 32; y += 3) {
            for (int x = 18; x < 32; x += 3) {
                const QRgb pixel = shown.pixel(x, y);
                const std::size_t at = static_cast<std::size_t>((y * 50 + x) * 3);
                EXPECT_EQ(qRed(pixel), expected.rgb[at]) << name << " " << x << "," << y;
                EXPECT_EQ(qBlue(pixel), expected.rgb[at + 2]) << name << " " << x << "," << y;
            }
        }
    }

    // The timer enables "Do pamięci" now that a set is shown.
    QTest::qWait(250);
    EXPECT_TRUE(Find<QWidget>(window, "SpeedButton6")->isEnabled());
}

TEST(GeneratorGui, AFailedPressShowsTheNoticeAndChangesNothing) {
    TempDir dir;
    PrepareWorkDir(dir);
    FakeSystem system;
    MainWindow window(dir.Path(), system, "updates.test");
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QTest::mouseClick(Find<QWidget>(window, "los5"), Qt::LeftButton);
    auto* combo = Find<QWidget>(window, "liczby");
    QTest::qWait(150);  // the timer enables the combo
    ASSERT_TRUE(combo->isEnabled());
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(combo, "50");
    const std::string logBefore = dir.Read("losowania_kulko.txt");

    QString seen;
    AnswerNextBox("OK", &seen);
    QTest::mouseClick(Find<QWidget>(window, "SpeedButton2"), Qt::LeftButton);
    EXPECT_EQ(seen.toStdString(),
              "Problem z wygenerowaniem zestawu liczb. Zmień kryteria losowania.");
    EXPECT_EQ(PanelCaption(window, "Panel1"), "");
    EXPECT_EQ(dir.Read("losowania_kulko.txt"), logBefore);
}

}  // namespace
}  // namespace kulko::test
