// Under strace, a file is synced before its rename and its directory after
// the rename or its making, before the handler returns. A writer killed at
// any moment leaves nothing behind once the next start has looked.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <regex>
#include <thread>

#include "app/tgenerator.hpp"
#include "faults/fault_support.hpp"
#include "support/fakes.hpp"

namespace kulko::test {
namespace {

bool Traced(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    return std::string(std::istreambuf_iterator<char>(status), {}).find("TracerPid:\t0\n") ==
           std::string::npos;
}

// The traced calls, each with its file's name without digits: "dir" for the
// directory, "#" for a file not yet named, none where a handler returned.
std::string Steps(const std::string& trace, const std::string& dir) {
    const std::regex call(
        "(fsync|linkat|rename)(?:at2?)?\\((?:-1|\\d+<([^>]*)>|.*\"([^\"\\n]*)\")");
    std::string steps;
    for (std::sregex_iterator m(trace.begin(), trace.end(), call), end; m != end; ++m) {
        std::string name = (*m)[2].str() + (*m)[3].str();
        name = name == dir ? "dir" : name.substr(std::min(name.size(), dir.size() + 1));
        steps += (*m)[1].str() + " " + std::regex_replace(name, std::regex("\\d"), "") + "\n";
    }
    return steps;
}

TEST(DurableWritesTest, EveryChangeIsOnTheDiskBeforeTheHandlerReturns) {
    TempDir dir;
    WriteUserFiles(dir);
    std::filesystem::remove(dir / "wyniki_kulko.txt");
    int go[2];
    ASSERT_EQ(::pipe(go), 0);
    const pid_t child = ::fork();
    if (char byte = 0; child == 0) {
        ::prctl(PR_SET_PTRACER, PR_SET_PTRACER_ANY);  // where only parents may trace
        FakeScreen screen;
        FakeSystem system;
        Tgenerator window(dir.Path(), screen, system, "updates.test");
        for (auto handler : {&Tgenerator::SpeedButton6Click, &Tgenerator::SpeedButton6Click,
                             &Tgenerator::SpeedButton11Click, &Tgenerator::BitBtn4Click}) {
            if (byte != 0 || ::read(go[0], &byte, 1) == 1) {  // strace is there
                (window.*handler)();
                ::fsync(-1);
            }
        }
        ::_exit(0);
    }
    const std::string trace = (dir / "trace").string();
    const std::string pid = std::to_string(child);
    if (::fork() == 0) {
        ::execlp("strace", "strace", "-y", "-qq", "-o", trace.c_str(), "-e",
                 "trace=fsync,fdatasync,rename,renameat,renameat2,linkat", "-p", pid.c_str(),
                 nullptr);
        ::_exit(127);
    }
    for (int wait = 0; wait < 500 && !Traced(child); ++wait) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    EXPECT_TRUE(Traced(child)) << "strace (scripts/install-deps.sh test) did not attach";
    ASSERT_EQ(::write(go[1], "x", 1), 1);
    while (::wait(nullptr) > 0) {
    }
    EXPECT_EQ(Steps(dir.Read("trace"), dir.Path().string()),
              // "Do pamięci" making the memory file, then adding to it.
              "fsync wyniki_kulko.txt\nfsync dir\nfsync \nfsync wyniki_kulko.txt\nfsync \n"
              // "Powrót" replacing both ledger files.
              "fsync #\nlinkat wydatki_l.dat.tmp--\nrename wydatki_l.dat\nfsync dir\n"
              "fsync #\nlinkat przychody_l.dat.tmp--\nrename przychody_l.dat\nfsync dir\nfsync \n"
              // The renumbering.
              "fsync #\nlinkat baza.txt\nrename kulko.txt\nfsync dir\nfsync \n")
        << dir.Read("trace");
}

TEST(KilledWritersTest, AWriterKilledDuringItsWritesLeavesNoFileBehind) {
    TempDir dir;  // on a disk, where syncs take their time
    WriteUserFiles(dir);
    const DirSnapshot before = Snapshot(dir);
    FakeScreen screen;
    FakeSystem system;
    Tgenerator window(dir.Path(), screen, system, "updates.test");
    for (int round = 0; round < 12; ++round) {
        const pid_t writer = ::fork();
        ASSERT_GE(writer, 0);
        while (writer == 0) {
            // Appends, replace-writes of every size, and the renumbering.
            for (auto handler : {&Tgenerator::SpeedButton2Click, &Tgenerator::SpeedButton6Click,
                                 &Tgenerator::SpeedButton11Click, &Tgenerator::BitBtn1Click,
                                 &Tgenerator::BitBtn4Click}) {
                ErrorOf([&] { (window.*handler)(); });
            }
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20 + 13 * round));
        ::kill(writer, SIGKILL);
        ::waitpid(writer, nullptr, 0);
    }
    EXPECT_EQ(ErrorOf([&] { window.FormCreate(); }), "");
    for (const auto& [name, bytes] : Snapshot(dir)) {
        EXPECT_EQ(before.count(name), 1u) << "left behind: " << name;
    }
}

}  // namespace
}  // namespace kulko::test
