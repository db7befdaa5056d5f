// Files taken away while the program runs: deleted, or made unreadable (by
// another program, a backup tool, the user). The handler that needs the file
// fails with the file error, nothing half-done is left, and once the file is
// back the same handler works again.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>

#include "app/tgenerator.hpp"
#include "files/text_file.hpp"
#include "faults/fault_support.hpp"
#include "support/window_fixture.hpp"

namespace kulko::test {
namespace {

constexpr const char* kNotFound = "File not found";
constexpr const char* kDenied = "File access denied";

class VanishingFilesTest : public WindowTest {
  protected:
    void SetUp() override {
        WriteUserFiles(dir);
        before = Snapshot(dir);
        Start();
    }
    bool Painted() {
        Canvas canvas;
        Window().FormPaint(canvas);
        return !canvas.Steps().empty();
    }
    DirSnapshot before;
};

TEST_F(VanishingFilesTest, DeletedResultsFileFailsTheDrawUntilItIsBack) {
    std::filesystem::remove(dir / "kulko.txt");
    Window().PendingSetText = "1;2;3;4;5;6";
    EXPECT_EQ(ErrorOf([&] { Window().SpeedButton2Click(); }), kNotFound);
    EXPECT_EQ(Window().PendingSetText, "1;2;3;4;5;6");
    EXPECT_EQ(dir.Read("losowania_kulko.txt"), before.at("losowania_kulko.txt"));
    EXPECT_EQ(ErrorOf([&] { Window().SpeedButton3Click(); }), kNotFound);
    EXPECT_EQ(ErrorOf([&] { Window().SpeedButton4Click(); }), kNotFound);
    EXPECT_EQ(ErrorOf([&] { Window().BitBtn4Click(); }), kNotFound);
    EXPECT_FALSE(dir.Exists("kulko.txt"));  // the renumbering made none up
    EXPECT_TRUE(Painted());

    dir.Write("kulko.txt", SampleHistory());
    EXPECT_EQ(ErrorOf([&] { Window().SpeedButton2Click(); }), "");
    EXPECT_EQ(ReadAllLines(dir / "losowania_kulko.txt").back(), Window().PendingSetText);
}

TEST_F(VanishingFilesTest, DeletedDrawLogIsNotMadeUpAgain) {
    std::filesystem::remove(dir / "losowania_kulko.txt");
    EXPECT_EQ(ErrorOf([&] { Window().SpeedButton2Click(); }), kNotFound);
    EXPECT_FALSE(dir.Exists("losowania_kulko.txt"));
    EXPECT_TRUE(Painted());
    // The set was shown, so it can still be kept.
    EXPECT_EQ(ErrorOf([&] { Window().SpeedButton6Click(); }), "");
    EXPECT_EQ(Window().Label1.caption, "Pamięć 3 wyników");
}

TEST_F(VanishingFilesTest, DeletedMemoryIsEmptyAndStartsAnew) {
    std::filesystem::remove(dir / "wyniki_kulko.txt");
    Window().wyniki_losowan.text = "1;2;3;4;5;6";
    EXPECT_EQ(ErrorOf([&] { Window().SpeedButton8Click(); }), "");
    EXPECT_TRUE(Window().lista.items.Empty());
    ASSERT_EQ(ErrorOf([&] { Window().SpeedButton2Click(); }), "");
    const std::string drawn = Window().PendingSetText;
    EXPECT_EQ(ErrorOf([&] { Window().SpeedButton6Click(); }), "");
    EXPECT_EQ(dir.Read("wyniki_kulko.txt"), drawn + "\r\n");
    EXPECT_EQ(Window().Label1.caption, "Pamięć 1 wyników");
}

TEST_F(VanishingFilesTest, UnreadableFilesFailTheirHandlersAndKeepTheirContent) {
    HandOver(dir);
    const std::string failures =
        RunInChild({.unprivileged = true, .fileSizeLimit = std::nullopt}, [&](ChildReport& report) {
            Tgenerator& window = Window();
            const auto lock = [&](const char* name) { ::chmod((dir / name).c_str(), 0); };
            const auto unlock = [&](const char* name) { ::chmod((dir / name).c_str(), 0644); };

            lock("kulko.txt");
            report.Check(::access((dir / "kulko.txt").c_str(), R_OK) != 0,
                         "a locked file is still readable: permission bits do not apply");
            report.Equal(ErrorOf([&] { window.SpeedButton2Click(); }), kDenied,
                         "draw, results locked");
            report.Equal(ErrorOf([&] { window.SpeedButton3Click(); }), kDenied, "frequency view");
            report.Check(Painted(), "paint with the results locked");
            unlock("kulko.txt");

            lock("losowania_kulko.txt");
            report.Equal(ErrorOf([&] { window.SpeedButton2Click(); }), kDenied, "draw, log locked");
            report.Check(Painted(), "paint with the draw log locked");
            unlock("losowania_kulko.txt");

            lock("wyniki_kulko.txt");
            window.wyniki_losowan.text = "1;2;3;4;5;6";
            report.Equal(ErrorOf([&] { window.SpeedButton8Click(); }), kDenied,
                         "check, memory locked");
            const std::string pending = window.PendingSetText;
            report.Equal(ErrorOf([&] { window.SpeedButton6Click(); }), kDenied,
                         "store, memory locked");
            report.Equal(window.PendingSetText, pending, "a failed store keeps the set");
            unlock("wyniki_kulko.txt");

            // Everything works again once the files are back.
            report.Equal(ErrorOf([&] { window.SpeedButton8Click(); }), "", "check");
            report.Equal(window.lista.items.Size(), std::size_t{2}, "checked sets");
            report.Equal(ErrorOf([&] { window.SpeedButton2Click(); }), "", "draw");
            report.Equal(ErrorOf([&] { window.SpeedButton6Click(); }), "", "store");
            report.Equal(window.Label1.caption, "Pamięć 3 wyników", "memory count");
        });
    EXPECT_EQ(failures, "");
    // Only what the last presses added: one logged set, one kept set.
    const DirSnapshot after = Snapshot(dir);
    EXPECT_EQ(after.at("kulko.txt"), before.at("kulko.txt"));
    EXPECT_EQ(ReadAllLines(dir / "losowania_kulko.txt").size(), 3u);
    EXPECT_EQ(after.at("wyniki_kulko.txt").substr(0, before.at("wyniki_kulko.txt").size()),
              before.at("wyniki_kulko.txt"));
}

}  // namespace
}  // namespace kulko::test
