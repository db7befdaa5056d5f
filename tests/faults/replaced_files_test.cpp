// Files replaced whole (the settings by "Zastosuj", the ledger by "Powrót",
// the history by the renumbering):
// a private file stays private, a symbolic link stays a link with its
// target rewritten, a file the user may not write is refused and left
// alone, a new file takes the umask, and a working directory that takes no
// new file still lets writable files be stored.
#include <gtest/gtest.h>

#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>

#include <cstdio>
#include <filesystem>

#include "app/tgenerator.hpp"
#include "faults/fault_support.hpp"
#include "support/fakes.hpp"

namespace kulko::test {
namespace {

namespace fs = std::filesystem;

TEST(ReplacedFilesTest, ModesAndLinksAreKeptAndAWriteProtectedFileIsRefused) {
    TempDir dir;
    WriteUserFiles(dir);
    // The incomes ledger lives in a folder of its own, reached by a link.
    fs::create_directory(dir / "konto");
    fs::rename(dir / "przychody_l.dat", dir / "konto/przychody_l.dat");
    fs::create_symlink("konto/przychody_l.dat", dir / "przychody_l.dat");
    ::chmod((dir / "konto/przychody_l.dat").c_str(), 0640);
    ::chmod((dir / "wydatki_l.dat").c_str(), 0600);
    ::chmod((dir / "ustalenia_kulko.dat").c_str(), 0444);
    // The history too: private, behind a link, and numbered from 17.
    fs::create_directory(dir / "historia");
    fs::remove(dir / "kulko.txt");
    dir.Write("historia/kulko.txt", "17" + SampleHistory().substr(4));
    fs::create_symlink("historia/kulko.txt", dir / "kulko.txt");
    ::chmod((dir / "historia/kulko.txt").c_str(), 0600);
    const DirSnapshot before = Snapshot(dir);
    HandOver(dir);

    const auto modeOf = [&](const char* name) {
        struct stat info {};
        ::stat((dir / name).c_str(), &info);
        char octal[8];
        std::snprintf(octal, sizeof octal, "%o", info.st_mode & 07777);
        return std::string(octal);
    };
    const std::string failures =
        RunInChild({.unprivileged = true, .fileSizeLimit = std::nullopt}, [&](ChildReport& report) {
            ::umask(027);
            FakeScreen screen;
            FakeSystem system;
            Tgenerator window(dir.Path(), screen, system, "updates.test");

            // Write-protected: refused, and no file changes.
            window.akt1.checked = true;
            window.akt2.checked = false;
            report.Equal(ErrorOf([&] { window.BitBtn1Click(); }), "File access denied",
                         "settings store to a write-protected file");
            report.Check(Snapshot(dir) == before, "a file changed after the refused store");
            report.Equal(modeOf("ustalenia_kulko.dat"), "444", "mode of the refused file");

            // Once writable it is stored with its own mode; a new file gets the umask.
            ::chmod((dir / "ustalenia_kulko.dat").c_str(), 0600);
            fs::remove(dir / "ustalenia_kulko_kontrola.dat");
            report.Equal(ErrorOf([&] { window.BitBtn1Click(); }), "", "settings store");
            report.Equal(dir.Read("ustalenia_kulko.dat"), std::string(1, '\1'), "stored setting");
            report.Equal(modeOf("ustalenia_kulko.dat"), "600", "mode of a stored setting");
            report.Equal(modeOf("ustalenia_kulko_kontrola.dat"), "640", "mode of a new setting");

            // The ledger: the private file stays private, the link stays a link.
            const auto storeLedger = [&](const char* amount) {
                report.Equal(ErrorOf([&] { window.SpeedButton10Click(); }), "", "ledger open");
                window.wydatki.cells.SetCell(1, 1, amount);
                window.przychody.cells.SetCell(1, 1, amount);
                report.Equal(ErrorOf([&] { window.SpeedButton11Click(); }), "", "ledger store");
                report.Equal(ErrorOf([&] { window.SpeedButton10Click(); }), "", "ledger reopen");
                report.Equal(window.wydatki.cells.Cell(1, 1), amount, "stored expense");
                report.Equal(window.przychody.cells.Cell(1, 1), amount, "stored income");
                report.Equal(modeOf("wydatki_l.dat"), "600", "mode of the expenses");
                report.Equal(modeOf("konto/przychody_l.dat"), "640", "mode of the incomes");
                report.Check(fs::is_symlink(dir / "przychody_l.dat"), "the link is kept");
                report.Equal(static_cast<int>(std::distance(fs::directory_iterator(dir / "konto"),
                                                            fs::directory_iterator())),
                             1, "files beside the link's target");
            };
            storeLedger("7.25");

            // The renumbered history goes to the file behind the link, with
            // its mode; once write-protected, it is refused.
            report.Equal(ErrorOf([&] { window.BitBtn4Click(); }), "", "renumbering");
            report.Check(fs::is_symlink(dir / "kulko.txt"), "the history's link is kept");
            report.Equal(dir.Read("historia/kulko.txt").substr(0, 5), "0001;", "renumbered");
            report.Equal(modeOf("historia/kulko.txt"), "600", "mode of the renumbered history");
            ::chmod((dir / "historia/kulko.txt").c_str(), 0400);
            report.Equal(ErrorOf([&] { window.BitBtn4Click(); }), "File access denied",
                         "renumbering a write-protected history");

            // A directory that takes no new file: the writable files are
            // rewritten where they are.
            ::chmod(dir.Path().c_str(), 0555);
            ::chmod((dir / "konto").c_str(), 0555);
            window.akt1.checked = false;
            window.akt2.checked = true;
            report.Equal(ErrorOf([&] { window.BitBtn1Click(); }), "",
                         "settings store in a read-only folder");
            report.Equal(dir.Read("ustalenia_kulko.dat"), std::string(1, '\0'),
                         "setting stored in a read-only folder");
            storeLedger("3");
            ::chmod((dir / "konto").c_str(), 0755);
            ::chmod(dir.Path().c_str(), 0755);
        });
    EXPECT_EQ(failures, "");
}

// A history mounted on its own (a bind mount) takes no rename: it is
// renumbered in place, and no scratch file stays.
TEST(ReplacedFilesTest, AHistoryMountedOnItsOwnIsRenumberedInPlace) {
    TempDir dir;
    dir.Write("kulko.txt", "");
    dir.Write("elsewhere.txt", "17" + SampleHistory().substr(4));
    const std::string failures = RunInChild({}, [&](ChildReport& report) {
        FakeScreen screen;
        FakeSystem system;
        Tgenerator window(dir.Path(), screen, system, "updates.test");
        report.Check(::unshare(CLONE_NEWNS) == 0 &&
                         ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
                         ::mount((dir / "elsewhere.txt").c_str(), (dir / "kulko.txt").c_str(),
                                 nullptr, MS_BIND, nullptr) == 0,
                     "cannot mount");
        report.Equal(ErrorOf([&] { window.BitBtn4Click(); }), "", "renumbering");
    });
    if (failures.rfind("cannot mount", 0) == 0) {
        GTEST_SKIP() << "no right to mount a file here";
    }
    EXPECT_EQ(failures, "");
    EXPECT_EQ(dir.Read("elsewhere.txt"), SampleHistory());
    EXPECT_FALSE(dir.Exists("baza.txt"));
}

}  // namespace
}  // namespace kulko::test
