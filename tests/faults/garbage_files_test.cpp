// The ledger and settings files replaced by something else: random bytes,
// the wrong size, an empty file, a directory. No crash, the right error where
// there is one, and the user's files are not overwritten by a failed read.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "faults/fault_support.hpp"
#include "ledger/ledger_file.hpp"
#include "support/window_fixture.hpp"

namespace kulko::test {
namespace {

std::string RandomBytes(std::size_t size, unsigned seed) {
    std::mt19937 random(seed);
    std::string bytes(size, '\0');
    for (char& byte : bytes) {
        byte = static_cast<char>(random() & 0xff);
    }
    return bytes;
}

class GarbageFilesTest : public WindowTest {
  protected:
    void SetUp() override { WriteUserFiles(dir); }
};

TEST_F(GarbageFilesTest, ShortGarbageLedgerIsReportedAndKept) {
    for (const std::size_t size :
         {std::size_t{0}, std::size_t{1}, std::size_t{4096}, kLedgerFileSize - 1}) {
        const std::string garbage = RandomBytes(size, static_cast<unsigned>(size));
        dir.Write("przychody_l.dat", garbage);
        const std::string expenses = dir.Read("wydatki_l.dat");
        Start();
        EXPECT_EQ(ErrorOf([&] { Window().SpeedButton10Click(); }), "Read beyond end of file")
            << size;
        EXPECT_FALSE(Window().Panel2.visible);
        EXPECT_EQ(dir.Read("przychody_l.dat"), garbage);
        EXPECT_EQ(dir.Read("wydatki_l.dat"), expenses);
        window.reset();
    }
}

TEST_F(GarbageFilesTest, FullSizeGarbageLedgerOpensAndStoresAsItReads) {
    dir.Write("wydatki_l.dat", RandomBytes(kLedgerFileSize, 1));
    dir.Write("przychody_l.dat", RandomBytes(kLedgerFileSize + 77, 2));
    const Ledger expenses = ReadLedgerFile(dir / "wydatki_l.dat");
    Start();
    ASSERT_EQ(ErrorOf([&] { Window().SpeedButton10Click(); }), "");
    EXPECT_TRUE(Window().Panel2.visible);
    EXPECT_FALSE(Window().Label21.caption.empty());
    ASSERT_EQ(ErrorOf([&] { Window().SpeedButton11Click(); }), "");
    // Texts that Windows-1250 cannot hold come back as "?"; everything else
    // is kept as read.
    const Ledger stored = ReadLedgerFile(dir / "wydatki_l.dat");
    std::size_t same = 0;
    for (std::size_t i = 0; i < kLedgerEntries; ++i) {
        same += stored[i] == expenses[i] ? 1 : 0;
    }
    EXPECT_GT(same, kLedgerEntries / 2);
    EXPECT_EQ(dir.Read("przychody_l.dat").size(), kLedgerFileSize);
    // And it opens again.
    EXPECT_EQ(ErrorOf([&] { Window().SpeedButton10Click(); }), "");
}

TEST_F(GarbageFilesTest, SettingsOfOtherBytesChangeNothing) {
    dir.Write("ustalenia_kulko.dat", "garbage");
    dir.Write("ustalenia_kulko_apli.dat", RandomBytes(300, 3) + "x");
    dir.Write("ustalenia_kulko_kontrola.dat", "\x02");
    ASSERT_EQ(ErrorOf([&] { Start(); }), "");
    // The defaults stay: checking on, both updates on (no connection here).
    EXPECT_TRUE(Window().kontrola1.checked);
    EXPECT_TRUE(Window().akt1.checked);
    EXPECT_EQ(Window().Label24.caption, "Struktura bazy wynikow prawidłowa");
    EXPECT_EQ(dir.Read("ustalenia_kulko.dat"), "garbage");
}

TEST_F(GarbageFilesTest, EmptySettingsFileStopsStartUpButNotTheWindow) {
    dir.Write("ustalenia_kulko_apli.dat", "");
    EXPECT_EQ(ErrorOf([&] { Start(); }), "Read beyond end of file");
    EXPECT_EQ(ErrorOf([&] { Window().SpeedButton2Click(); }), "");
    EXPECT_EQ(ErrorOf([&] { Window().SpeedButton12Click(); }), "Read beyond end of file");
    // Storing the settings mends the file.
    EXPECT_EQ(ErrorOf([&] { Window().BitBtn1Click(); }), "");
    EXPECT_EQ(dir.Read("ustalenia_kulko_apli.dat").size(), 1u);
    EXPECT_EQ(ErrorOf([&] { Window().SpeedButton12Click(); }), "");
}

TEST_F(GarbageFilesTest, SettingsFileThatIsADirectoryIsNeverReplaced) {
    std::filesystem::remove(dir / "ustalenia_kulko.dat");
    std::filesystem::create_directory(dir / "ustalenia_kulko.dat");
    dir.Write("ustalenia_kulko.dat/inside.txt", "kept");
    ASSERT_EQ(ErrorOf([&] { Start(); }), "");
    EXPECT_TRUE(Window().Panel3.visible);  // a settings file is missing
    EXPECT_EQ(ErrorOf([&] { Window().BitBtn1Click(); }), "File access denied");
    EXPECT_EQ(dir.Read("ustalenia_kulko.dat/inside.txt"), "kept");
    for (const auto& entry : std::filesystem::directory_iterator(dir.Path())) {
        EXPECT_EQ(entry.path().filename().string().find(".tmp-"), std::string::npos)
            << entry.path();
    }
    EXPECT_EQ(ErrorOf([&] { Window().BitBtn2Click(); }), "");
}

}  // namespace
}  // namespace kulko::test
