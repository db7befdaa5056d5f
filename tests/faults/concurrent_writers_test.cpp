// Two windows, the results tool and the results update write one working
// directory at once: nothing reported done is lost and no line is torn. A
// directory kept busy too long ends the handler with a message, unchanged.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <future>
#include <regex>
#include <sstream>
#include <thread>

#include "app/tgenerator.hpp"
#include "faults/fault_support.hpp"
#include "files/text_file.hpp"
#include "files/work_dir_lock.hpp"
#include "support/fakes.hpp"
#include "support/scoped_environment.hpp"
#include "wyniki/results_tool.hpp"

namespace kulko::test {
namespace {

// Draw k after the history's last one, as a history line.
std::string NewDraw(int k) {
    // One a day in March 2006: after the history, never in the future.
    const std::string day = (k < 10 ? "0" : "") + std::to_string(k);
    return "00" + std::to_string(60 + k) + ";" + day + ".03.2006;1;2;3;4;5;" +
           std::to_string(5 + k);
}

struct WaitingScreen : FakeScreen {
    void AnswerPaints() override { ++answered; }
    int answered = 0;
};

TEST(ConcurrentWritersTest, ProgramsAtOnceLoseNothingAndABusyDirectoryStaysAsItWas) {
    const ScopedEnvironment inMemory("TMPDIR", "/dev/shm");  // syncs there take no time
    TempDir dir;
    WriteUserFiles(dir);
    using Program = std::function<void(ChildReport&)>;
    constexpr int kPresses = 1000;
    const Program aWindow = [&](ChildReport& report) {
        FakeScreen screen;
        FakeSystem system;
        system.freshSeeds = true;
        Tgenerator window(dir.Path(), screen, system, "updates.test");
        window.FormCreate();
        for (int press = 1; press <= kPresses; ++press) {
            report.Equal(ErrorOf([&] { window.SpeedButton2Click(); }), "", "Losuj");
            report.Equal(ErrorOf([&] { window.SpeedButton6Click(); }), "", "Do pamięci");
            report.Equal(ErrorOf([&] { press % 8 ? void() : window.BitBtn4Click(); }), "", "Renum");
        }
    };
    // The tool adds the draws one by one, so none may be missing at the end.
    const Program theTool = [&](ChildReport& report) {
        for (int k = 1; k <= 25; ++k) {
            dir.Write("input.txt", NewDraw(k));
            std::istringstream in;
            std::ostringstream out, err;
            RunResultsTool(
                {"dodaj", (dir / "input.txt").string(), "--baza", (dir / "kulko.txt").string()}, in,
                out, err);
            report.Equal(err.str(), "", "import");
        }
    };
    // At the k-th update the server has every draw up to k.
    const Program theUpdate = [&](ChildReport& report) {
        FakeScreen screen;
        FakeSystem system;
        system.connectionFlags = kConnectionLan;
        Tgenerator window(dir.Path(), screen, system, "updates.test");
        std::string& server =
            (system.downloads["http://updates.test/Kulko/kulko.txt"] = SampleHistory());
        for (int k = 1; k <= 25; ++k) {
            server += NewDraw(k) + "\r\n";
            report.Equal(ErrorOf([&] { window.Aktualizacja(); }), "", "update");
        }
    };
    std::vector<pid_t> programs;
    for (const Program* program : {&aWindow, &aWindow, &theTool, &theUpdate}) {
        if (programs.push_back(::fork()); programs.back() == 0) {
            ChildReport report;
            (*program)(report);
            std::fputs(report.Failures().c_str(), stderr);
            ::_exit(report.Failures().empty() ? 0 : 1);
        }
    }
    for (int status = -1; const pid_t program : programs) {
        EXPECT_EQ(::waitpid(program, &status, 0) == program ? status : -1, 0);
    }

    const std::regex set("([0-9]{1,2};){5}[0-9]{1,2}");
    for (const char* log : {"losowania_kulko.txt", "wyniki_kulko.txt"}) {
        const std::vector<std::string> lines = ReadAllLines(dir / log);
        EXPECT_EQ(lines.size(), 2u + 2 * kPresses) << log;
        for (const std::string& line : lines) {
            EXPECT_TRUE(std::regex_match(line, set)) << log << ": \"" << line << "\"";
        }
    }
    for (int k = 1; k <= 25; ++k) {
        EXPECT_NE(dir.Read("kulko.txt").find(NewDraw(k).substr(4)), std::string::npos) << k;
    }

    // Another program holds the directory for too long.
    WaitingScreen screen;
    FakeSystem system;
    Tgenerator window(dir.Path(), screen, system, "updates.test");
    std::promise<void> taken;
    std::thread other([&] {
        const WorkDirLock lock(dir.Path());
        taken.set_value();
        std::this_thread::sleep_for(kLockPatience + std::chrono::seconds(1));
    });
    taken.get_future().wait();
    const std::string memory = dir.Read("wyniki_kulko.txt");
    window.PendingSetText = "1;2;3;4;5;6";
    EXPECT_EQ(ErrorOf([&] { window.SpeedButton6Click(); }), kDirectoryBusy);
    other.join();
    EXPECT_GT(screen.answered, 0);
    EXPECT_EQ(dir.Read("wyniki_kulko.txt"), memory);
    EXPECT_EQ(window.PendingSetText, "1;2;3;4;5;6");
    EXPECT_FALSE(dir.Exists("kulko.lck"));
}

}  // namespace
}  // namespace kulko::test
