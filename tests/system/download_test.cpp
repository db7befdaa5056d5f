// The real download against the loopback server: what counts as a fetched
// file, and what becomes of the target otherwise.
#include <gtest/gtest.h>

#include "support/temp_dir.hpp"
#include "system/loopback_server.hpp"
#include "system/loopback_system.hpp"

namespace kulko::test {
namespace {

std::string Url(const std::string& host) {
    return "http://" + host + "/Kulko/kulko.txt";
}

TEST(Download, FollowsARedirectToTheFile) {
    TempDir dir;
    LoopbackServer server;
    LoopbackSystem system{ShortLimits()};
    server.Serve("/Kulko/kulko.txt", {302, "/nowe/kulko.txt", Reply::Kind::Redirect});
    server.Serve("/nowe/kulko.txt", {200, "0001;27.01.1957;8;12;31;39;43;45\r\n"});
    EXPECT_TRUE(system.Download(Url(server.Host()), dir / "kulko.bak"));
    EXPECT_EQ(dir.Read("kulko.bak"), "0001;27.01.1957;8;12;31;39;43;45\r\n");
}

TEST(Download, ATargetThatCannotBeWrittenIsAFailedFetch) {
    TempDir dir;
    LoopbackServer server;
    LoopbackSystem system{ShortLimits()};
    server.Serve("/Kulko/kulko.txt", {200, "x"});
    EXPECT_FALSE(system.Download(Url(server.Host()), dir / "missing" / "kulko.bak"));
    EXPECT_FALSE(dir.Exists("missing"));
}

TEST(Download, AHostThatGaveNoConnectionIsNotTriedAgainInTheSameRun) {
    TempDir dir;
    LoopbackSystem system{ShortLimits()};
    int port = 0;
    {
        UnansweredLoopbackPort unanswered;
        port = unanswered.Port();
        EXPECT_FALSE(system.Download(Url("127.0.0.1:" + std::to_string(port)), dir / "kulko.bak"));
    }
    // The same port now answers, but this run has given up on it.
    LoopbackServer server(port);
    server.Serve("/Kulko/kulko.txt", {200, "x"});
    EXPECT_FALSE(system.Download(Url(server.Host()), dir / "kulko.bak"));
    EXPECT_FALSE(dir.Exists("kulko.bak"));
    // The next run tries again.
    LoopbackSystem nextRun{ShortLimits()};
    EXPECT_TRUE(nextRun.Download(Url(server.Host()), dir / "kulko.bak"));
    EXPECT_EQ(dir.Read("kulko.bak"), "x");
}

TEST(Download, AServerThatStoppedSendingIsNotAskedAgainInTheSameRun) {
    TempDir dir;
    LoopbackServer server;
    LoopbackSystem system{ShortLimits()};
    server.Serve("/Kulko/wersja_l.txt", {200, "1.14\r\n", Reply::Kind::Silent});
    server.Serve("/Kulko/kulko.txt", {200, "x"});
    EXPECT_FALSE(
        system.Download("http://" + server.Host() + "/Kulko/wersja_l.txt", dir / "kulko.ser"));
    EXPECT_FALSE(system.Download(Url(server.Host()), dir / "kulko.bak"));
    EXPECT_FALSE(dir.Exists("kulko.bak"));
}

TEST(Download, AServerThatAnsweredWithAnErrorIsAskedAgain) {
    TempDir dir;
    LoopbackServer server;
    LoopbackSystem system{ShortLimits()};
    EXPECT_FALSE(system.Download(Url(server.Host()), dir / "kulko.bak"));  // 404
    server.Serve("/Kulko/kulko.txt", {200, "x"});
    EXPECT_TRUE(system.Download(Url(server.Host()), dir / "kulko.bak"));
}

}  // namespace
}  // namespace kulko::test
