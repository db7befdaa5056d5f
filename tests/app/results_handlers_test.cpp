// "Renumeracja bazy": draw numbers 0001, 0002 ... through "baza.txt"; "Baza":
// the whole results file in the list, newest draw selected.
#include <gtest/gtest.h>

#include <sys/fsuid.h>
#include <unistd.h>

#include "files/in_out_error.hpp"
#include "support/window_fixture.hpp"

namespace kulko::test {
namespace {

constexpr const char* kNotice = "Nadano nową numerację bazie danych.";

TEST_F(WindowTest, RenumberingWritesFourDigitNumbersAndTellsSo) {
    dir.Write("kulko.txt", Lines({"17;01.02.1999;1;2;3;4;5;6", "5;08.02.1999;7;8;9;10;11;12"}));
    Window().BitBtn4Click();
    const std::string once = dir.Read("kulko.txt");
    EXPECT_EQ(once, "0001;01.02.1999;1;2;3;4;5;6\r\n0002;08.02.1999;7;8;9;10;11;12\r\n");
    EXPECT_EQ(screen.notices, std::vector<std::string>{kNotice});
    EXPECT_FALSE(dir.Exists("baza.txt"));
    Window().BitBtn4Click();
    EXPECT_EQ(dir.Read("kulko.txt"), once);
}

// Only the number fields of the lines the reader shows change: the rest of
// a line after a lone CR, and everything from the first Ctrl-Z on, are
// bytes no reader shows but the user's all the same.
TEST_F(WindowTest, RenumberingKeepsEveryByteTheReaderDoesNotShow) {
    struct Case {
        const char* before;
        const char* after;
    };
    const Case cases[] = {
        // Lone CRs: one line to the reader, three draws to the user.
        {"17;a\r5;b\r6;c\r", "0001;a\r5;b\r6;c\r"},
        {"7;a\rjunk\n8;b\n", "0001;a\rjunk\n0002;b\n"},
        // A Ctrl-Z in the middle: the lines after it stay as they were.
        {"7;a\r\n8;b\x1a\r\n9;c\r\n", "0001;a\r\n0002;b\x1a\r\n9;c\r\n"},
        {"\x1a"
         "5;a",
         "\x1a"
         "5;a"},
    };
    for (const Case& c : cases) {
        dir.Write("kulko.txt", c.before);
        Window().BitBtn4Click();
        EXPECT_EQ(dir.Read("kulko.txt"), c.after) << c.before;
    }
}

TEST_F(WindowTest, RenumberingAnEmptyFileKeepsItEmpty) {
    dir.Write("kulko.txt", "");
    Window().BitBtn4Click();
    EXPECT_EQ(dir.Read("kulko.txt"), "");
    EXPECT_EQ(screen.notices, std::vector<std::string>{kNotice});
}

TEST_F(WindowTest, RenumberingWithoutAResultsFileReportsIt) {
    try {
        Window().BitBtn4Click();
        FAIL() << "no error";
    } catch (const InOutError& error) {
        EXPECT_STREQ(error.what(), "File not found");
    }
    EXPECT_FALSE(dir.Exists("kulko.txt"));
    EXPECT_EQ(dir.Read("baza.txt"), "");
    EXPECT_TRUE(screen.notices.empty());
}

// Makes the directory read-only while it lives. Permission bits do not stop
// root, so root also takes an unprivileged file-system identity, which drops
// its right to override them (for this thread only).
class ReadOnlyDirectory {
  public:
    explicit ReadOnlyDirectory(const std::filesystem::path& dir) : dir_(dir) {
        std::filesystem::permissions(dir, std::filesystem::perms(0555));
        if (::geteuid() == 0) {
            ::setfsuid(65534);
            switched_ = true;
        }
    }
    ~ReadOnlyDirectory() {
        if (switched_) {
            ::setfsuid(0);
        }
        std::filesystem::permissions(dir_, std::filesystem::perms(0755));
    }
    // False when a file can still be created (a file system that ignores
    // the rights).
    bool Holds() const {
        std::FILE* probe = std::fopen((dir_ / "probe").c_str(), "w");
        if (probe == nullptr) {
            return true;
        }
        std::fclose(probe);
        std::filesystem::remove(dir_ / "probe");
        return false;
    }

  private:
    std::filesystem::path dir_;
    bool switched_ = false;
};

TEST_F(WindowTest, RenumberingInAReadOnlyDirectoryLosesNothing) {
    const std::string results = Lines({"17;01.02.1999;1;2;3;4;5;6", "5;08.02.1999;7;8;9;10;11;12"});
    dir.Write("kulko.txt", results);
    for (const bool staleScratchFile : {false, true}) {
        if (staleScratchFile) {
            // A scratch file left from before can be rewritten, but not
            // renamed in the read-only directory.
            dir.Write("baza.txt", "old");
            std::filesystem::permissions(dir / "baza.txt", std::filesystem::perms(0666));
        }
        {
            ReadOnlyDirectory readOnly(dir.Path());
            if (!readOnly.Holds()) {
                GTEST_SKIP() << "this file system lets the directory be written regardless";
            }
            try {
                Window().BitBtn4Click();
                ADD_FAILURE() << "no error";
            } catch (const InOutError& error) {
                EXPECT_STREQ(error.what(), "File access denied");
            }
        }
        EXPECT_EQ(dir.Read("kulko.txt"), results);
        EXPECT_TRUE(screen.notices.empty());
        if (staleScratchFile) {
            EXPECT_EQ(dir.Read("baza.txt"),
                      "0001;01.02.1999;1;2;3;4;5;6\r\n0002;08.02.1999;7;8;9;10;11;12\r\n");
        } else {
            EXPECT_FALSE(dir.Exists("baza.txt"));
        }
    }
}
TEST_F(WindowTest, BazaListsEveryLineAsStoredAndSelectsTheLast) {
    dir.Write("kulko.txt", Lines({"0001;01.02.1999;1;2;3;4;5;6", "damaged line \xB3",
                                  "0003;15.02.1999;7;8;9;10;11;12"}));
    Window().SpeedButton4Click();
    EXPECT_EQ(Window().ListBox1.items.All(),
              (std::vector<std::string>{"0001;01.02.1999;1;2;3;4;5;6", "damaged line ł",
                                        "0003;15.02.1999;7;8;9;10;11;12"}));
    EXPECT_EQ(Window().ListBox1.itemIndex, 2);
    EXPECT_EQ(Window().Label27.caption, "Baza wyników ");
    EXPECT_TRUE(Window().panel6.visible);
    EXPECT_EQ(Window().panel6.bounds, (Bounds{8, 40, 981, 565}));
}

TEST_F(WindowTest, BazaReplacesTheFrequencyView) {
    dir.Write("kulko.txt", Lines({"0001;01.02.1999;1;2;3;4;5;6"}));
    Window().SpeedButton3Click();
    Window().SpeedButton4Click();
    EXPECT_EQ(Window().ListBox1.items.All(),
              std::vector<std::string>{"0001;01.02.1999;1;2;3;4;5;6"});
    EXPECT_EQ(Window().ListBox1.itemIndex, 0);
    EXPECT_EQ(Window().Label27.caption, "Baza wyników ");
}

TEST_F(WindowTest, BazaOnAnEmptyFileShowsThePanelWithNothingSelected) {
    dir.Write("kulko.txt", "");
    Window().SpeedButton4Click();
    EXPECT_TRUE(Window().ListBox1.items.Empty());
    EXPECT_EQ(Window().ListBox1.itemIndex, -1);
    EXPECT_TRUE(Window().panel6.visible);
}

TEST_F(WindowTest, BazaWithoutAFileEmptiesTheListAndShowsNoPanel) {
    Window().ListBox1.items.Assign({"old"});
    Window().ListBox1.itemIndex = 0;
    EXPECT_THROW(Window().SpeedButton4Click(), InOutError);
    EXPECT_TRUE(Window().ListBox1.items.Empty());
    EXPECT_EQ(Window().ListBox1.itemIndex, -1);
    EXPECT_FALSE(Window().panel6.visible);
}

}  // namespace
}  // namespace kulko::test
