// A working directory the program may read but not write (a read-only mount,
// or a directory of another user): every handler that writes fails with
// "File access denied", the window goes on answering, and no file changes.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include "app/tgenerator.hpp"
#include "faults/fault_support.hpp"
#include "support/fakes.hpp"

namespace kulko::test {
namespace {

constexpr const char* kDenied = "File access denied";

void MakeReadOnly(const TempDir& dir) {
    for (const auto& [name, bytes] : Snapshot(dir)) {
        ::chmod((dir / name).c_str(), 0444);
    }
    ::chmod(dir.Path().c_str(), 0555);
}

TEST(ReadOnlyWorkDirTest, WritesFailWithAccessDeniedAndNothingChanges) {
    TempDir dir;
    WriteUserFiles(dir);
    const DirSnapshot before = Snapshot(dir);
    HandOver(dir);

    const std::string failures =
        RunInChild({.unprivileged = true, .fileSizeLimit = std::nullopt}, [&](ChildReport& report) {
            MakeReadOnly(dir);
            report.Check(::access((dir / "probe").c_str(), F_OK) != 0 &&
                             ::access(dir.Path().c_str(), W_OK) != 0,
                         "the directory is still writable: permission bits do not apply");

            FakeScreen screen;
            FakeSystem system;
            Tgenerator window(dir.Path(), screen, system, "updates.test");
            // Start-up cannot write the version note; it does the rest and
            // then says so.
            report.Equal(ErrorOf([&] { window.FormCreate(); }), kDenied, "start-up");
            report.Equal(window.Caption, "Kulko 1.13", "caption set before the failure");

            // Reading handlers still work.
            report.Equal(ErrorOf([&] { window.SpeedButton3Click(); }), "", "frequency view");
            report.Equal(ErrorOf([&] { window.SpeedButton4Click(); }), "", "results listing");
            report.Equal(window.ListBox1.items.Size(), std::size_t{60}, "listed lines");
            window.wyniki_losowan.text = "1;2;3;4;5;6";
            report.Equal(ErrorOf([&] { window.SpeedButton8Click(); }), "", "check");
            report.Equal(window.lista.items.Size(), std::size_t{2}, "checked sets");

            // A draw is shown but cannot be logged; it stays pending, and storing
            // it fails too.
            report.Equal(ErrorOf([&] { window.SpeedButton2Click(); }), kDenied, "draw");
            report.Check(!window.PendingSetText.empty(), "the drawn set is pending");
            const std::string pending = window.PendingSetText;
            report.Equal(ErrorOf([&] { window.SpeedButton6Click(); }), kDenied, "store");
            report.Equal(window.PendingSetText, pending, "a failed store keeps the set");

            // The ledger opens from its files but cannot be stored; the panel stays.
            report.Equal(ErrorOf([&] { window.SpeedButton10Click(); }), "", "ledger open");
            report.Equal(window.wydatki.cells.Cell(1, 1), "12.50", "first expense");
            window.wydatki.cells.SetCell(1, 3, "99");
            report.Equal(ErrorOf([&] { window.SpeedButton11Click(); }), kDenied, "ledger store");
            report.Check(window.Panel2.visible, "ledger panel still open after a failed store");

            // Settings and the renumbering cannot write either.
            report.Equal(ErrorOf([&] { window.BitBtn1Click(); }), kDenied, "settings");
            report.Equal(ErrorOf([&] { window.BitBtn4Click(); }), kDenied, "renumbering");
            report.Check(screen.notices.empty(), "no success notice after a failure");

            // Clearing the memory asks, cannot delete and says nothing; the
            // sets are still there, so their count stays shown.
            window.ShowMemoryCount();
            screen.answers.push_back(true);
            report.Equal(ErrorOf([&] { window.SpeedButton5Click(); }), "", "clear memory");
            report.Equal(window.Label1.caption, std::string("Pamięć 2 wyników"),
                         "count of the memory that could not be cleared");

            // And the window still answers.
            Canvas canvas;
            report.Equal(ErrorOf([&] { window.FormPaint(canvas); }), "", "paint");
            report.Check(!canvas.Steps().empty(), "the chart is painted");
            report.Equal(ErrorOf([&] { window.Timer1Timer(); }), "", "timer");
        });
    EXPECT_EQ(failures, "");
    EXPECT_EQ(Snapshot(dir), before);
}

}  // namespace
}  // namespace kulko::test
