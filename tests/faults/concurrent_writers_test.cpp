// Programs of the project writing one working directory at once: two
// windows, the results tool and the results update. Whatever the timing,
// nothing reported done is lost and no line is torn; a directory kept busy
// for too long ends the handler with a message and changes nothing.
#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
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
#include "update/results_update.hpp"
#include "wyniki/results_tool.hpp"

namespace kulko::test {
namespace {

class ConcurrentWritersTest : public ::testing::Test {
  protected:
    void SetUp() override { WriteUserFiles(dir); }

    ScopedEnvironment tmpdir{"TMPDIR", MemoryFileSystem()};
    TempDir dir;
    TempDir notes;  // what the children report done, one line each
};

void CheckAllSetLines(const std::filesystem::path& file, std::size_t count) {
    const std::vector<std::string> lines = ReadAllLines(file);
    EXPECT_EQ(lines.size(), count) << file;
    const std::regex set("([0-9]{1,2};){5}[0-9]{1,2}");
    for (const std::string& line : lines) {
        EXPECT_TRUE(std::regex_match(line, set)) << file << ": \"" << line << "\"";
    }
}

TEST_F(ConcurrentWritersTest, TwoWindowsDrawingAndStoringAtOnceLoseNoLine) {
    constexpr int kPresses = 1000;
    const auto window = [&](ChildReport& report) {
        FakeScreen screen;
        FakeSystem system;
        Tgenerator window(dir.Path(), screen, system, "updates.test");
        window.FormCreate();
        for (int press = 0; press < kPresses; ++press) {
            system.seed = static_cast<std::uint32_t>(press);
            report.Equal(ErrorOf([&] { window.SpeedButton2Click(); }), "", "Losuj");
            report.Equal(ErrorOf([&] { window.SpeedButton6Click(); }), "", "Do pamięci");
        }
    };
    EXPECT_EQ(RunAtOnce({window, window}), "");
    CheckAllSetLines(dir / "losowania_kulko.txt", 2 + 2 * kPresses);
    CheckAllSetLines(dir / "wyniki_kulko.txt", 2 + 2 * kPresses);
}

// Draw k of the draws after the history's last one, in the history's form.
std::string NewDraw(int k) {
    std::string line = "00" + std::to_string(60 + k) + (k < 10 ? ";0" : ";") + std::to_string(k) +
                       ".02.2006";
    for (int n = k; n < k + 6; ++n) {
        line += ";" + std::to_string(n);
    }
    return line;
}

TEST_F(ConcurrentWritersTest, RenumberingsImportsAndUpdatesAtOnceLoseNothing) {
    constexpr int kDraws = 25;
    const auto note = [&](const char* name, const std::string& text) {
        std::ofstream(notes / name, std::ios::app) << text << "\n";
    };
    const auto renumberings = [&](ChildReport& report) {
        FakeScreen screen;
        FakeSystem system;
        Tgenerator window(dir.Path(), screen, system, "updates.test");
        for (int i = 0; i < kDraws; ++i) {
            report.Equal(ErrorOf([&] { window.BitBtn4Click(); }), "", "renumbering");
        }
    };
    const auto imports = [&](ChildReport& report) {
        for (int k = 1; k <= kDraws; ++k) {
            notes.Write("input.txt", NewDraw(k) + "\r\n");
            std::istringstream in;
            std::ostringstream out;
            std::ostringstream err;
            const int status = RunResultsTool(
                {"dodaj", (notes / "input.txt").string(), "--baza", (dir / "kulko.txt").string()},
                in, out, err);
            report.Equal(err.str(), "", "import");
            if (status == kToolSuccess && out.str().find("Dodano losowań: 1\n") == 0) {
                note("imported", NewDraw(k).substr(4));
            }
        }
    };
    // The server's history has every draw up to k at the k-th update.
    const auto updates = [&](ChildReport& report) {
        FakeScreen screen;
        FakeSystem system;
        system.connectionFlags = kConnectionLan;
        Tgenerator window(dir.Path(), screen, system, "updates.test");
        std::string server = SampleHistory();
        for (int k = 1; k <= kDraws; ++k) {
            server += NewDraw(k) + "\r\n";
            system.downloads["http://updates.test/Kulko/kulko.txt"] = server;
            screen.notices.clear();
            report.Equal(ErrorOf([&] { window.Aktualizacja(); }), "", "update");
            if (screen.notices ==
                std::vector<std::string>{"Baza losowań została zaktualizowana."}) {
                for (int i = 1; i <= k; ++i) {
                    note("updated", NewDraw(i).substr(4));
                }
            }
        }
    };
    EXPECT_EQ(RunAtOnce({renumberings, renumberings, imports, updates}), "");

    const std::string history = dir.Read("kulko.txt");
    EXPECT_TRUE(ResultsFileIsSound(dir / "kulko.txt")) << history;
    for (const char* done : {"imported", "updated"}) {
        std::istringstream lines(notes.Read(done));
        for (std::string draw; std::getline(lines, draw);) {
            EXPECT_NE(history.find(draw), std::string::npos) << done << " but lost: " << draw;
        }
    }
    EXPECT_FALSE(dir.Exists("baza.txt"));
}

// A screen that counts the paints answered while a handler waits.
struct WaitingScreen : FakeScreen {
    void AnswerPaints() override { ++answered; }
    int answered = 0;
};

TEST_F(ConcurrentWritersTest, ABusyDirectoryIsWaitedForThenLeftUnchanged) {
    WaitingScreen screen;
    FakeSystem system;
    Tgenerator window(dir.Path(), screen, system, "updates.test");
    const std::string memory = dir.Read("wyniki_kulko.txt");
    // Another program holds the directory for a while, then for too long.
    for (const auto held : {std::chrono::milliseconds(300), kLockPatience * 2}) {
        std::promise<void> taken;
        std::promise<void> release;
        std::thread other([&] {
            const WorkDirLock lock(dir.Path());
            taken.set_value();
            release.get_future().wait_for(held);
        });
        taken.get_future().wait();
        screen.answered = 0;
        window.PendingSetText = "1;2;3;4;5;6";
        const std::string error = ErrorOf([&] { window.SpeedButton6Click(); });
        release.set_value();
        other.join();
        EXPECT_GT(screen.answered, 0);
        if (held < kLockPatience) {
            EXPECT_EQ(error, "");
            EXPECT_EQ(dir.Read("wyniki_kulko.txt"), memory + "1;2;3;4;5;6\r\n");
        } else {
            EXPECT_EQ(error, kDirectoryBusy);
            EXPECT_EQ(dir.Read("wyniki_kulko.txt"), memory + "1;2;3;4;5;6\r\n");
            EXPECT_EQ(window.PendingSetText, "1;2;3;4;5;6");
        }
    }
    EXPECT_FALSE(dir.Exists("kulko.lck"));
}

}  // namespace
}  // namespace kulko::test
