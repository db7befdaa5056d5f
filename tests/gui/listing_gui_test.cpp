// "Baza" in the real window on a results file of a million lines.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QListView>
#include <QTest>
#include <memory>

#include "gui/gui_support.hpp"

namespace kulko::test {
namespace {

TEST(ListingGui, AMillionLinesOpenAtTheNewestDraw) {
    TempDir dir;
    PrepareWorkDir(dir);
    dir.Write("komunikat_l.113", "");
    FakeSystem system;
    MainWindow window(dir.Path(), system, "updates.test");
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    // The list reads the file when the button is pressed, so the big file
    // goes in after start-up.
    constexpr int kLines = 1000000;
    std::string history;
    history.reserve(kLines * 32u);
    for (int i = 1; i <= kLines; ++i) {
        history += std::to_string(i) + ";01.01.2000;1;2;3;4;5;6\r\n";
    }
    dir.Write("kulko.txt", history);

    auto* list = Find<QListView>(window, "ListBox1");
    QElapsedTimer clock;
    clock.start();
    QTest::mouseClick(Find<QWidget>(window, "SpeedButton4"), Qt::LeftButton);
    list->repaint();
    // Recorded for the developer, not checked: a sanitizer build is slow.
    ::testing::Test::RecordProperty("baza_million_lines_ms", static_cast<int>(clock.elapsed()));

    EXPECT_TRUE(list->isVisible());
    EXPECT_EQ(LabelText(window, "Label27"), "Baza wyników ");
    ASSERT_EQ(list->model()->rowCount(), kLines);
    EXPECT_EQ(list->currentIndex().row(), kLines - 1);
    EXPECT_EQ(list->currentIndex().data().toString().toStdString(),
              "1000000;01.01.2000;1;2;3;4;5;6");
    // Scrolled to the newest draw.
    EXPECT_TRUE(list->viewport()->rect().intersects(list->visualRect(list->currentIndex())));
}

}  // namespace
}  // namespace kulko::test
