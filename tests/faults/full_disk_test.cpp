// A full disk: writes fail part-way. A file-size limit stands in for the full
// disk (a write beyond it stops where the limit is and then fails), so every
// write that grows a file is cut somewhere in its middle. Each handler must
// report "Disk full", leave every file as it was (no half line, no empty or
// shortened file, no scratch file left behind) and work again once there is
// room.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <csignal>
#include <cstdlib>

#include "app/tgenerator.hpp"
#include "faults/fault_support.hpp"
#include "files/text_file.hpp"
#include "support/fakes.hpp"

namespace kulko::test {
namespace {

constexpr const char* kDiskFull = "Disk full";

class FullDiskTest : public ::testing::Test {
  protected:
    void SetUp() override {
        WriteUserFiles(dir);
        before = Snapshot(dir);
    }
    // Runs the scenario on a started window with writes limited to the size.
    void RunWithLimit(long limit,
                      const std::function<void(ChildReport&, Tgenerator&, FakeScreen&)>& scenario) {
        const std::string failures = RunInChild({}, [&](ChildReport& report) {
            FakeScreen screen;
            FakeSystem system;
            Tgenerator window(dir.Path(), screen, system, "updates.test");
            // Start-up rewrites only the short version note.
            report.Equal(ErrorOf([&] { window.FormCreate(); }), "", "start-up");
            SetFileSizeLimit(limit);
            scenario(report, window, screen);
        });
        EXPECT_EQ(failures, "");
    }
    long SizeOf(const char* name) const { return static_cast<long>(dir.Read(name).size()); }

    TempDir dir;
    DirSnapshot before;
};

TEST_F(FullDiskTest, StoringASetKeepsTheMemoryWholeAndTheSetPending) {
    RunWithLimit(
        SizeOf("wyniki_kulko.txt") + 5, [&](ChildReport& report, Tgenerator& window, FakeScreen&) {
            window.PendingSetText = "5;10;15;20;25;30";
            window.Panel1.caption = window.PendingSetText;
            report.Equal(ErrorOf([&] { window.SpeedButton6Click(); }), kDiskFull, "store");
            report.Equal(dir.Read("wyniki_kulko.txt"), before.at("wyniki_kulko.txt"),
                         "memory after failure");
            report.Equal(window.PendingSetText, "5;10;15;20;25;30", "set still pending");

            LiftFileSizeLimit();
            report.Equal(ErrorOf([&] { window.SpeedButton6Click(); }), "", "store with room");
            report.Equal(window.Label1.caption, "Pamięć 3 wyników", "count after the store");
            report.Equal(ReadAllLines(dir / "wyniki_kulko.txt").back(), "5;10;15;20;25;30",
                         "stored set");
        });
}

TEST_F(FullDiskTest, ADrawThatCannotBeLoggedLeavesTheLogWhole) {
    RunWithLimit(SizeOf("losowania_kulko.txt") + 3, [&](ChildReport& report, Tgenerator& window,
                                                        FakeScreen&) {
        report.Equal(ErrorOf([&] { window.SpeedButton2Click(); }), kDiskFull, "draw");
        report.Equal(dir.Read("losowania_kulko.txt"), before.at("losowania_kulko.txt"),
                     "log after failure");

        LiftFileSizeLimit();
        report.Equal(ErrorOf([&] { window.SpeedButton2Click(); }), "", "draw with room");
        report.Equal(dir.Read("losowania_kulko.txt"),
                     before.at("losowania_kulko.txt") + window.PendingSetText + "\r\n",
                     "log after a draw with room");
    });
}

TEST_F(FullDiskTest, TheLedgerIsNeverHalfWritten) {
    RunWithLimit(100000, [&](ChildReport& report, Tgenerator& window, FakeScreen&) {
        report.Equal(ErrorOf([&] { window.SpeedButton10Click(); }), "", "ledger open");
        window.wydatki.cells.SetCell(1, 3, "7.25");
        report.Equal(ErrorOf([&] { window.SpeedButton11Click(); }), kDiskFull, "ledger store");
        report.Check(window.Panel2.visible, "panel stays open");
        report.Check(Snapshot(dir) == before, "files changed or scratch left by a failed store");

        LiftFileSizeLimit();
        report.Equal(ErrorOf([&] { window.SpeedButton11Click(); }), "", "ledger store with room");
        report.Check(!window.Panel2.visible, "panel closed");
        report.Equal(ErrorOf([&] { window.SpeedButton10Click(); }), "", "ledger reopened");
        report.Equal(window.wydatki.cells.Cell(1, 3), "7.25", "stored amount");
        report.Equal(window.Label21.caption, "Razem wydatki 25.75 zł", "total");
    });
}

TEST_F(FullDiskTest, SettingsAndRenumberingKeepTheirFiles) {
    RunWithLimit(0, [&](ChildReport& report, Tgenerator& window, FakeScreen& screen) {
        window.Select(window.kontrola2);
        report.Equal(ErrorOf([&] { window.BitBtn1Click(); }), kDiskFull, "settings");
        report.Equal(ErrorOf([&] { window.BitBtn4Click(); }), kDiskFull, "renumbering");
        report.Check(screen.notices.empty(), "no success notice");
        DirSnapshot now = Snapshot(dir);
        now.erase("baza.txt");  // the renumbering's own scratch file
        report.Check(now == before, "files changed or scratch left by a failed write");

        LiftFileSizeLimit();
        report.Equal(ErrorOf([&] { window.BitBtn1Click(); }), "", "settings with room");
        report.Equal(dir.Read("ustalenia_kulko_kontrola.dat"), std::string(1, '\0'),
                     "setting stored");
        report.Equal(ErrorOf([&] { window.BitBtn4Click(); }), "", "renumbering with room");
        // The numbers were in order already: the same lines come back.
        std::vector<std::string> lines;
        TextReader original = TextReader::FromBytes(before.at("kulko.txt"));
        for (std::string_view line; original.ReadLine(line);) {
            lines.emplace_back(line);
        }
        report.Check(ReadAllLines(dir / "kulko.txt") == lines, "renumbered history changed");
    });
}

// The small files of start-up fail alone: the rest of start-up is done, and
// the error box comes last.
TEST_F(FullDiskTest, AFirstStartOnAFullDiskDoesAllButItsSmallFilesAndSaysDiskFull) {
    TempDir empty;
    empty.Write("kulko.txt", SampleHistory());
    empty.Write("kulko.wer", "1.12\r\n");
    const std::string failures =
        RunInChild({.unprivileged = false, .fileSizeLimit = 0}, [&](ChildReport& report) {
            FakeScreen screen;
            FakeSystem system;
            Tgenerator window(empty.Path(), screen, system, "updates.test");
            report.Equal(ErrorOf([&] { window.FormCreate(); }), kDiskFull, "start-up");
            report.Check(window.los1.checked && window.los7.checked && window.prz1.checked,
                         "option defaults");
            report.Equal(window.ile_los.items.Size(), std::size_t{50}, "ile_los");
            report.Equal(window.liczby.text, "1", "liczby");
            report.Equal(window.Label24.caption, "Struktura bazy wynikow prawidłowa", "verdict");
            report.Equal(ErrorOf([&] { window.SpeedButton3Click(); }), "", "frequency view after");
        });
    EXPECT_EQ(failures, "");
    EXPECT_EQ(empty.Read("kulko.txt"), SampleHistory());
    EXPECT_EQ(empty.Read("kulko.wer"), "1.12\r\n");
    EXPECT_EQ(Snapshot(empty).size(), 3u);  // and the empty first-run marker
}

// With SIGXFSZ at its default, as a shell leaves it, the programs themselves
// say "Disk full" instead of dying in the middle of a write.
TEST(FileSizeLimitTest, TheProgramsSayDiskFullAndKeepEveryFile) {
    TempDir dir;
    TempDir notes;
    WriteUserFiles(dir);
    dir.Write("kulko.wer", "1.12\r\n");
    notes.Write("input.txt", "0061;01.02.2006;1;2;3;4;5;6\r\n");
    const DirSnapshot before = Snapshot(dir);
    const auto run = [&](const std::string& limit, const std::string& program) {
        std::signal(SIGXFSZ, SIG_DFL);
        return WEXITSTATUS(std::system(("cd " + dir.Path().string() +
                                        " && QT_QPA_PLATFORM=offscreen timeout -s KILL 4 prlimit "
                                        "--fsize=" +
                                        limit + " " + program + " 2>" + (notes / "errors").string())
                                           .c_str()));
    };
    EXPECT_EQ(run(std::to_string(before.at("kulko.txt").size()),
                  KULKO_WYNIKI " dodaj " + (notes / "input.txt").string()),
              1);
    EXPECT_EQ(notes.Read("errors"),
              "kulko-wyniki: kulko.txt: brak miejsca na dysku\nBaza nie została zmieniona.\n");
    EXPECT_EQ(Snapshot(dir), before);
#ifdef KULKO_PROGRAM
    // Start-up cannot write the version note: the window shows the error box
    // and waits for the user until it is ended.
    EXPECT_EQ(run("3", KULKO_PROGRAM), 128 + SIGKILL);
    EXPECT_EQ(Snapshot(dir), before);
#endif
}

}  // namespace
}  // namespace kulko::test
