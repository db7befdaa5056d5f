// The version check against a real HTTP server on the loopback address,
// through the real download.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/tgenerator.hpp"
#include "support/temp_dir.hpp"
#include "platform/loopback_server.hpp"
#include "platform/loopback_system.hpp"

namespace kulko::test {
namespace {

// A directory with the note of version 1.13, a screen and the real download
// against one loopback server.
class VersionOverHttp : public ::testing::Test {
  protected:
    void SetUp() override { dir.Write("kulko.wer", "1.13\r\n"); }
    Tgenerator& Window() {
        window = std::make_unique<Tgenerator>(dir.Path(), screen, system, server.Host());
        return *window;
    }

    TempDir dir;
    FakeScreen screen;
    LoopbackServer server;
    LoopbackSystem system{ShortLimits()};
    std::unique_ptr<Tgenerator> window;
};

TEST_F(VersionOverHttp, HigherNoteAnsweredYesStartsTheUpdaterAndEnds) {
    server.Serve("/Kulko/wersja_l.txt", {200, "   1.14\r\n"});
    screen.answers = {true};
    EXPECT_THROW(Window().AktualizujWersje(), ProgramExited);
    EXPECT_EQ(screen.questions.size(), 1u);
    EXPECT_EQ(system.started, std::vector<std::string>{"pobierz.exe L"});
    EXPECT_EQ(system.exits, 1);
    EXPECT_EQ(dir.Read("kulko.ser"), "   1.14\r\n");
}

TEST_F(VersionOverHttp, NotHigherAsksNothing) {
    server.Serve("/Kulko/wersja_l.txt", {200, "1.13\r\n1.5\r\n"});
    Window().AktualizujWersje();
    EXPECT_TRUE(screen.questions.empty());
    EXPECT_EQ(system.exits, 0);
}

TEST_F(VersionOverHttp, AFailedFetchLeavesNoNoteAndAsksNothing) {
    dir.Write("kulko.ser", "1.99\r\n");
    server.Serve("/Kulko/wersja_l.txt", {500, "1.99\r\n"});
    Window().AktualizujWersje();
    EXPECT_FALSE(dir.Exists("kulko.ser"));
    EXPECT_TRUE(screen.questions.empty());
    EXPECT_TRUE(screen.notices.empty());
}

}  // namespace
}  // namespace kulko::test
