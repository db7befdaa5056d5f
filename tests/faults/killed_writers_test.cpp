// A writer killed at any moment of its writes leaves nothing behind: no
// temporary file, no scratch file, no lock file, once the next start has
// looked; and the next writer is not stopped by what the killed one held.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "app/tgenerator.hpp"
#include "faults/fault_support.hpp"
#include "support/fakes.hpp"

namespace kulko::test {
namespace {

std::set<std::string> Names(const TempDir& dir) {
    std::set<std::string> names;
    for (const auto& [name, bytes] : Snapshot(dir)) {
        names.insert(name);
    }
    return names;
}

TEST(KilledWritersTest, AWriterKilledDuringItsWritesLeavesNoFileBehind) {
    // On a disk, where syncs take their time, as the user's files do.
    TempDir dir;
    WriteUserFiles(dir);
    const std::set<std::string> names = Names(dir);
    for (int round = 0; round < 12; ++round) {
        const pid_t writer = ::fork();
        ASSERT_GE(writer, 0);
        if (writer == 0) {
            FakeScreen screen;
            FakeSystem system;
            Tgenerator window(dir.Path(), screen, system, "updates.test");
            for (;;) {
                // Appends, replace-writes of every size and the renumbering.
                for (auto handler : {&Tgenerator::SpeedButton2Click, &Tgenerator::SpeedButton6Click,
                                     &Tgenerator::SpeedButton11Click, &Tgenerator::BitBtn1Click,
                                     &Tgenerator::BitBtn4Click}) {
                    ErrorOf([&] { (window.*handler)(); });
                }
            }
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20 + 13 * round));
        ::kill(writer, SIGKILL);
        ::waitpid(writer, nullptr, 0);
    }
    FakeScreen screen;
    FakeSystem system;
    Tgenerator window(dir.Path(), screen, system, "updates.test");
    EXPECT_EQ(ErrorOf([&] { window.FormCreate(); }), "");
    EXPECT_EQ(Names(dir), names);
}

}  // namespace
}  // namespace kulko::test
