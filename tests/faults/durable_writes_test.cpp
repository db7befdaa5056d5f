// A change reported done survives a power cut: watched by strace, every
// file is synced before it is renamed into place, and its directory after
// the rename or the making of the file, all before the handler returns.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <regex>
#include <sstream>
#include <thread>

#include "app/tgenerator.hpp"
#include "faults/fault_support.hpp"
#include "support/fakes.hpp"

namespace kulko::test {
namespace {

namespace fs = std::filesystem;

// Whether strace has attached to the process.
bool Traced(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("TracerPid:", 0) == 0) {
            return std::stoi(line.substr(10)) != 0;
        }
    }
    return false;
}

// The syncs, links and renames of the trace in their order, named by file;
// "done" where the child marked a handler's return (a sync of no file).
std::vector<std::string> Steps(const std::string& trace, const TempDir& dir) {
    const std::regex call(
        "(f(?:data)?sync)\\((-1|\\d+<([^>]*)>(?:\\(deleted\\))?)\\)|linkat\\(.*\"([^\"]*)\", "
        "AT_SYMLINK_FOLLOW|rename(?:at2?)?\\(.*\"([^\"]*)\"");
    std::vector<std::string> steps;
    std::istringstream lines(trace);
    for (std::string line; std::getline(lines, line);) {
        std::smatch m;
        if (!std::regex_search(line, m, call)) {
            continue;
        }
        const auto name = [&](int group) { return fs::path(m[group].str()).filename().string(); };
        if (m[2] == "-1") {
            steps.push_back("done");
        } else if (m[1].matched) {
            const bool unnamed = name(3).rfind('#', 0) == 0;  // an O_TMPFILE file
            steps.push_back(m[3] == dir.Path().string() ? "sync dir"
                            : unnamed                   ? "sync new file"
                                                        : "sync " + name(3));
        } else if (m[4].matched) {
            steps.push_back("link " + std::regex_replace(name(4), std::regex("-\\d+-\\d+$"), ""));
        } else {
            steps.push_back("rename " + name(5));
        }
    }
    return steps;
}

TEST(DurableWritesTest, EveryChangeIsOnTheDiskBeforeTheHandlerReturns) {
    TempDir dir;
    TempDir notes;
    WriteUserFiles(dir);
    fs::remove(dir / "wyniki_kulko.txt");
    int go[2];
    ASSERT_EQ(::pipe(go), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        char byte;
        if (::read(go[0], &byte, 1) == 1) {
            FakeScreen screen;
            FakeSystem system;
            Tgenerator window(dir.Path(), screen, system, "updates.test");
            for (auto handler : {&Tgenerator::SpeedButton6Click, &Tgenerator::SpeedButton6Click,
                                 &Tgenerator::SpeedButton11Click, &Tgenerator::BitBtn4Click}) {
                window.PendingSetText = "1;2;3;4;5;6";
                (window.*handler)();
                ::fsync(-1);
            }
        }
        ::_exit(0);
    }
    const std::string trace = (notes / "trace").string();
    const pid_t strace = ::fork();
    if (strace == 0) {
        const std::string pid = std::to_string(child);
        ::execlp("strace", "strace", "-f", "-y", "-qq", "-o", trace.c_str(), "-e",
                 "trace=fsync,fdatasync,rename,renameat,renameat2,linkat", "-p", pid.c_str(),
                 nullptr);
        ::_exit(127);
    }
    for (int wait = 0; wait < 500 && !Traced(child); ++wait) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    EXPECT_TRUE(Traced(child)) << "strace (scripts/install-deps.sh installs it) did not attach";
    ASSERT_EQ(::write(go[1], "x", 1), 1);
    int status = 0;
    ::waitpid(child, &status, 0);
    ::waitpid(strace, nullptr, 0);
    const std::string text = notes.Read("trace");

    const std::vector<std::string> expected = {
        // "Do pamięci" making the memory file, then adding to it.
        "sync wyniki_kulko.txt", "sync dir", "done", "sync wyniki_kulko.txt", "done",
        // "Powrót": both ledger files replaced.
        "sync new file", "link wydatki_l.dat.tmp", "rename wydatki_l.dat", "sync dir",
        "sync new file", "link przychody_l.dat.tmp", "rename przychody_l.dat", "sync dir", "done",
        // The renumbering.
        "sync new file", "link baza.txt", "rename kulko.txt", "sync dir", "done"};
    EXPECT_EQ(Steps(text, dir), expected) << text;
}

}  // namespace
}  // namespace kulko::test
