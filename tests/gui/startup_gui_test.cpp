#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <cstdlib>

#include "gui/gui_support.hpp"
#include "results/validating_read.hpp"

namespace kulko::test {
namespace {

TEST(StartupGui, ShowsVerdictAndSummaryOnTheShippedHistory) {
    TempDir dir;
    PrepareWorkDir(dir);
    FakeSystem system;
    MainWindow window(dir.Path(), system, "updates.test");
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    EXPECT_EQ(window.windowTitle().toStdString(), "Kulko 1.13");
    EXPECT_EQ(window.size(), QSize(997, 613));
    EXPECT_EQ(LabelText(window, "Label24"), "Struktura bazy wynikow prawidłowa");
    EXPECT_EQ(LabelText(window, "Label4"), "Baza losowań zawiera 7297 wpisów");
    EXPECT_EQ(LabelText(window, "Label7").rfind("Data ostatniego losowania ", 0), 0u);
    EXPECT_NE(LabelText(window, "Label5").find(" osiągnął numer "), std::string::npos);
    // The settings existed, so the options panel stays hidden; the news
    // shows at this first start.
    EXPECT_FALSE(Find<QWidget>(window, "Panel3")->isVisible());
    EXPECT_TRUE(Find<QWidget>(window, "Panel4")->isVisible());
    // For the README: KULKO_SCREENSHOT=path saves the window as it stands.
    if (const char* path = std::getenv("KULKO_SCREENSHOT")) {
        window.grab().save(QString::fromLocal8Bit(path));
    }
}

TEST(StartupGui, MissingResultsFileShowsTheErrorBoxAndTheWindowStillOpens) {
    TempDir dir;
    FakeSystem system;
    QString seen;
    AnswerNextBox("OK", &seen);
    MainWindow window(dir.Path(), system, "updates.test");
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(seen.toStdString(), "File not found");
    EXPECT_EQ(LabelText(window, "Label4"), "Aktualna baza numerów zawiera....");
    EXPECT_TRUE(Find<QWidget>(window, "Panel3")->isVisible());
}

TEST(StartupGui, KoniecAnsweredNoKeepsTheWindow) {
    TempDir dir;
    PrepareWorkDir(dir);
    FakeSystem system;
    MainWindow window(dir.Path(), system, "updates.test");
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QString seen;
    AnswerNextBox("Nie", &seen);
    QTest::mouseClick(Find<QWidget>(window, "SpeedButton1"), Qt::LeftButton);
    EXPECT_EQ(seen.toStdString(), "Koniec pracy ?");
    EXPECT_EQ(system.exits, 0);
    EXPECT_TRUE(window.isVisible());
}

class CloseGui : public ShownWindowTest {};

TEST_F(CloseGui, ClosingFromTheWindowManagerAsksLikeKoniec) {
    QString seen;
    AnswerNextBox("Nie", &seen);
    window->close();
    EXPECT_EQ(seen.toStdString(), "Koniec pracy ?");
    EXPECT_EQ(system.exits, 0);
    EXPECT_TRUE(window->isVisible());

    // The fake's end of the process is an error the window shows.
    AnswerNextBox("Tak");
    AnswerNextBox("OK");
    window->close();
    EXPECT_EQ(system.exits, 1);
}

}  // namespace
}  // namespace kulko::test

namespace kulko::test {
namespace {

TEST(StartupGui, AHugeDamagedLineIsCutOnScreen) {
    TempDir dir;
    PrepareWorkDir(dir);
    dir.Write("kulko.txt", std::string(10 * 1024 * 1024, '7'));  // one line, no date
    FakeSystem system;
    MainWindow window(dir.Path(), system, "updates.test");
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const std::string shown = LabelText(window, "Label24");
    EXPECT_EQ(shown.rfind("Wykryto błąd daty w wierszu 777", 0), 0u);
    EXPECT_LT(shown.size(), 400u);
    // The window class keeps the start of the line, not a copy of megabytes.
    EXPECT_EQ(window.Window().Label24.caption,
              "Wykryto błąd daty w wierszu " + std::string(kShownLineLength, '7'));
}

}  // namespace
}  // namespace kulko::test
