// The window opens promptly when the update server cannot be reached, with
// both updates on and the real download with its default limits.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <chrono>
#include <cstdio>

#include "gui/gui_support.hpp"
#include "platform/loopback_system.hpp"

namespace kulko::test {
namespace {

// Starts the window on the host and returns the seconds until it is shown.
double SecondsToOpen(const std::string& host, QString& seen) {
    TempDir dir;
    PrepareWorkDir(dir);
    dir.Write("ustalenia_kulko.dat", std::string(1, '\1'));
    dir.Write("ustalenia_kulko_apli.dat", std::string(1, '\1'));
    // The real download with its default limits.
    LoopbackSystem system;
    // The failed results fetch is reported in a box; answer it.
    AnswerNextBox("OK", &seen);
    const auto start = std::chrono::steady_clock::now();
    MainWindow window(dir.Path(), system, host);
    window.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    // Start-up went on to the validating read of the local history.
    EXPECT_EQ(LabelText(window, "Label4"), "Baza losowań zawiera 7297 wpisów");
    return took.count();
}

TEST(UpdateGui, OpensPromptlyWhenTheServerRefusesConnections) {
    QString seen;
    const double seconds = SecondsToOpen("127.0.0.1:" + std::to_string(UnusedLoopbackPort()), seen);
    RecordProperty("seconds_to_open", std::to_string(seconds));
    std::printf("window shown %.3f s after start (connection refused)\n", seconds);
    EXPECT_EQ(seen.toStdString(), "Brak informacji o nowych wersjach tego programu.");
    EXPECT_LT(seconds, 3.0);
}

TEST(UpdateGui, OpensWithinTheConnectTimeoutsWhenTheServerDoesNotAnswer) {
    // As with an unreachable host: the version check waits for its connect
    // time-out and gives up; the results update does not try that host again.
    UnansweredLoopbackPort unanswered;
    QString seen;
    const double seconds = SecondsToOpen("127.0.0.1:" + std::to_string(unanswered.Port()), seen);
    RecordProperty("seconds_to_open", std::to_string(seconds));
    std::printf("window shown %.3f s after start (connection unanswered)\n", seconds);
    EXPECT_EQ(seen.toStdString(), "Brak informacji o nowych wersjach tego programu.");
    const double connectTimeout =
        std::chrono::duration<double>(DownloadLimits{}.connectTimeout).count();
    EXPECT_LT(seconds, connectTimeout + 2.0);
}

TEST(UpdateGui, TheNewVersionQuestionShowsItsTwoLines) {
    TempDir dir;
    PrepareWorkDir(dir);
    dir.Write("ustalenia_kulko_apli.dat", std::string(1, '\1'));
    FakeSystem system;
    system.connectionFlags = kConnectionLan;
    system.downloads["http://updates.test/Kulko/wersja_l.txt"] = "1.14\r\n";
    QString seen;
    AnswerNextBox("Nie", &seen);
    MainWindow window(dir.Path(), system, "updates.test");
    // The carriage return of the question is a line break on screen.
    EXPECT_EQ(seen.toStdString(),
              "Znaleziono nowszą wersję programu.\nCzy chcesz teraz aktualizować program ?");
    EXPECT_EQ(system.exits, 0);
    EXPECT_TRUE(system.started.empty());
}

}  // namespace
}  // namespace kulko::test
