// The real download against the loopback server: what counts as a fetched
// file, and what becomes of the target otherwise.
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <thread>

#include "support/temp_dir.hpp"
#include "platform/hanging_resolver.hpp"
#include "platform/loopback_server.hpp"
#include "platform/loopback_system.hpp"

namespace kulko::test {
namespace {

std::string Url(const std::string& host) {
    return "http://" + host + "/Kulko/kulko.txt";
}

// Whether the process holds a file below the directory open, waiting up to
// ten seconds for it.
bool HoldsAFileIn(pid_t process, const std::filesystem::path& dir) {
    const std::filesystem::path fds = "/proc/" + std::to_string(process) + "/fd";
    const std::string prefix = dir.string() + "/";
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (std::chrono::steady_clock::now() < giveUp) {
        std::error_code error;
        for (const auto& fd : std::filesystem::directory_iterator(fds, error)) {
            const std::string target = std::filesystem::read_symlink(fd.path(), error).string();
            if (target.rfind(prefix, 0) == 0) {
                return true;
            }
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
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

TEST(Download, AFetchedFileGetsThePlainCreationMode) {
    TempDir dir;
    LoopbackServer server;
    LoopbackSystem system{ShortLimits()};
    server.Serve("/Kulko/kulko.txt", {200, "x"});
    const mode_t old = ::umask(027);
    const bool fetched = system.Download(Url(server.Host()), dir / "kulko.bak");
    ::umask(old);
    ASSERT_TRUE(fetched);
    EXPECT_EQ(std::filesystem::status(dir / "kulko.bak").permissions(),
              static_cast<std::filesystem::perms>(0640));
}

TEST(Download, AFetchCutShortByTheEndOfTheProcessLeavesNothingBehind) {
    TempDir dir;
    LoopbackServer server;
    server.Serve("/Kulko/kulko.txt", {200, std::string(4096, 'x'), Reply::Kind::Stall, 100});
    const pid_t child = ::fork();
    if (child == 0) {
        LoopbackSystem system;  // stalls for its full ten seconds
        system.Download(Url(server.Host()), dir / "kulko.bak");
        ::_exit(0);
    }
    ASSERT_GT(child, 0);
    // Ended while it fetches: once it holds its file in the directory open.
    EXPECT_TRUE(HoldsAFileIn(child, dir.Path()));
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    EXPECT_TRUE(std::filesystem::is_empty(dir.Path()));
}

TEST(Download, TheConnectLimitHoldsWhileTheNameLookupHangs) {
    TempDir dir;
    LoopbackSystem system{ShortLimits()};
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(system.Download(Url(kHangingName), dir / "kulko.bak"));
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    ReleaseHangingLookups();
    std::printf("fetch gave up %.3f s after start (name lookup hangs, connect limit %.1f s)\n",
                took.count(), std::chrono::duration<double>(ShortLimits().connectTimeout).count());
    EXPECT_LT(took, ShortLimits().connectTimeout + std::chrono::seconds(2));
    EXPECT_FALSE(dir.Exists("kulko.bak"));
}

}  // namespace
}  // namespace kulko::test
