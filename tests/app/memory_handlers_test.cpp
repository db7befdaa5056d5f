// The memory: "Do pamięci", "Czyść pamięć" and "Z pamięci", and "Sprawdź",
// which scores every kept set against the typed numbers in `lista`.
#include <gtest/gtest.h>

#include "files/file_ops.hpp"
#include "files/in_out_error.hpp"
#include "support/window_fixture.hpp"

namespace kulko::test {
namespace {

class MemoryStoreTest : public WindowTest {
  protected:
    void Draw(const std::string& set) {
        Window().PendingSetText = set;
        Window().Panel1.caption = set;
    }
};

TEST_F(MemoryStoreTest, StoreWithoutAFileCreatesItAndShowsTheCount) {
    Draw("3;11;19;27;35;43");
    Window().lista.items.Assign({"W zakładach 1;2;3;4;5;6 znaleziono 2"});
    Window().SpeedButton6Click();
    EXPECT_EQ(dir.Read("wyniki_kulko.txt"), "3;11;19;27;35;43\r\n");
    EXPECT_EQ(Window().Label1.caption, "Pamięć 1 wyników");
    EXPECT_EQ(Window().PendingSetText, "");
    EXPECT_EQ(Window().Panel1.caption, "");
    EXPECT_EQ(Window().lista.items.Size(), 1u);  // the check results stay
    EXPECT_EQ(screen.repaints, 1);
}

TEST_F(MemoryStoreTest, StoringTwiceKeepsBothSetsInOrder) {
    Draw("1;2;3;4;5;6");
    Window().SpeedButton6Click();
    Draw("7;8;9;10;11;12");
    Window().SpeedButton6Click();
    EXPECT_EQ(dir.Read("wyniki_kulko.txt"), Lines({"1;2;3;4;5;6", "7;8;9;10;11;12"}));
    EXPECT_EQ(Window().Label1.caption, "Pamięć 2 wyników");
}

TEST_F(MemoryStoreTest, EachStoredSetStaysALineOfItsOwn) {
    struct Case {
        const char* before;
        const char* after;
        const char* count;
    };
    const Case cases[] = {
        {"", "7;8\r\n", "Pamięć 1 wyników"},
        {"1;2\r\n", "1;2\r\n7;8\r\n", "Pamięć 2 wyników"},
        // Edited by hand: no line break at the end, or a bare CR.
        {"1;2", "1;2\r\n7;8\r\n", "Pamięć 2 wyników"},
        {"1;2\r", "1;2\r\n7;8\r\n", "Pamięć 2 wyników"},
        {"1;2\n", "1;2\n7;8\r\n", "Pamięć 2 wyników"},
    };
    for (const Case& c : cases) {
        dir.Write("wyniki_kulko.txt", c.before);
        Draw("7;8");
        Window().SpeedButton6Click();
        EXPECT_EQ(dir.Read("wyniki_kulko.txt"), c.after) << '"' << c.before << '"';
        EXPECT_EQ(Window().Label1.caption, c.count) << '"' << c.before << '"';
    }
}

TEST_F(MemoryStoreTest, StoringNothingPendingWritesAnEmptyLine) {
    Window().SpeedButton6Click();
    EXPECT_EQ(dir.Read("wyniki_kulko.txt"), "\r\n");
    EXPECT_EQ(Window().Label1.caption, "Pamięć 1 wyników");
}

TEST_F(MemoryStoreTest, AFailedStoreKeepsTheSetPending) {
    std::filesystem::create_directory(dir / "wyniki_kulko.txt");
    Draw("1;2;3;4;5;6");
    EXPECT_THROW(Window().SpeedButton6Click(), InOutError);
    EXPECT_EQ(Window().PendingSetText, "1;2;3;4;5;6");
    EXPECT_EQ(Window().Panel1.caption, "1;2;3;4;5;6");
}

// Storing repaints before it writes, so the marks of the drawn set vanish
// while the set is kept; clearing and opening repaint after their work.
TEST(MemoryRepaints, StoreRepaintsFirstAndClearRepaintsLast) {
    TempDir dir;
    FakeScreen screen;
    std::vector<bool> fileAtRepaint;
    screen.onRepaint = [&] { fileAtRepaint.push_back(FileExists(dir / "wyniki_kulko.txt")); };
    FakeSystem system;
    Tgenerator window(dir.Path(), screen, system, "updates.test");
    window.SpeedButton6Click();
    screen.answers = {true};
    window.SpeedButton5Click();
    EXPECT_EQ(fileAtRepaint, (std::vector<bool>{false, false}));
}

TEST_F(MemoryStoreTest, ClearAnsweredNoChangesNothing) {
    dir.Write("wyniki_kulko.txt", Lines({"1;2;3;4;5;6"}));
    Window().Label1.caption = "Pamięć 1 wyników";
    Window().SpeedButton5Click();
    EXPECT_EQ(screen.questions, std::vector<std::string>{"Skasować pamięć wyników ?"});
    EXPECT_TRUE(dir.Exists("wyniki_kulko.txt"));
    EXPECT_EQ(Window().Label1.caption, "Pamięć 1 wyników");
    EXPECT_EQ(screen.repaints, 1);
}

TEST_F(MemoryStoreTest, ClearAnsweredYesDeletesTheFileAndKeepsTheShownSet) {
    for (const bool withFile : {true, false}) {
        if (withFile) {
            dir.Write("wyniki_kulko.txt", Lines({"1;2;3;4;5;6"}));
        }
        Draw("2;4;6;8;10;12");
        Window().Label1.caption = "Pamięć 1 wyników";
        screen.answers = {true};
        Window().SpeedButton5Click();
        EXPECT_FALSE(dir.Exists("wyniki_kulko.txt"));
        EXPECT_EQ(Window().Label1.caption, "");
        EXPECT_EQ(Window().PendingSetText, "2;4;6;8;10;12");
        EXPECT_EQ(Window().Panel1.caption, "2;4;6;8;10;12");
        EXPECT_TRUE(screen.notices.empty());
    }
    // The set shown is still stored after the clear.
    Window().SpeedButton6Click();
    EXPECT_EQ(dir.Read("wyniki_kulko.txt"), Lines({"2;4;6;8;10;12"}));
}

TEST_F(MemoryStoreTest, OpenHandsTheFileToTheTextEditorAndRepaints) {
    Window().SpeedButton7Click();
    EXPECT_EQ(system.opened, std::vector<std::string>{"wyniki_kulko.txt"});
    EXPECT_EQ(screen.repaints, 1);
    EXPECT_TRUE(screen.notices.empty());
    EXPECT_FALSE(dir.Exists("wyniki_kulko.txt"));
}
class CheckTest : public WindowTest {
  protected:
    std::vector<std::string> Check(const std::string& typed) {
        Window().wyniki_losowan.text = typed;
        Window().SpeedButton8Click();
        return Window().lista.items.All();
    }
};

std::string Item(const std::string& line, int hits) {
    return "W zakładach " + line + " znaleziono " + std::to_string(hits);
}

TEST_F(CheckTest, ScoresEachTypedTextAgainstAKeptSet) {
    dir.Write("wyniki_kulko.txt", Lines({"1;2;3;4;5;6"}));
    struct Case {
        const char* typed;
        int hits;
    };
    const Case cases[] = {
        {"2;3;4", 3},
        {"2;3;4;", 3},
        {"5;5", 2},  // a number typed twice counts twice
        {"02", 1},
        {"2 ;3", 2},  // the blank after 2 is dropped
        {"2;a3", 1},
        {" 6", 1},
        {";;5", 1},
        {"9;9;9;9;9;9;1", 0},  // only the first six fields count
        {"1;2;3;4;5;6", 6},
        {"abc", 0},
        {"", 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Check(c.typed), std::vector<std::string>{Item("1;2;3;4;5;6", c.hits)})
            << '"' << c.typed << '"';
    }
}

TEST_F(CheckTest, ShortAndEmptyLinesAreScoredOnTheirOwnNumbers) {
    dir.Write("wyniki_kulko.txt", Lines({"1;2;3;4;5;6", "7", "", "1;x;3", "8;2 ;40"}));
    const std::vector<std::string> items = Check("1;2;3");
    // "7" does not inherit 2 and 3 from the line above, and its empty slots
    // do not match the empty slots of the short typed set.
    EXPECT_EQ(items, (std::vector<std::string>{Item("1;2;3;4;5;6", 3), Item("7", 0), Item("", 0),
                                               Item("1;x;3", 2), Item("8;2 ;40", 1)}));
    EXPECT_EQ(Window().lista.itemIndex, 0);
    EXPECT_EQ(Window().lista.text, Item("1;2;3;4;5;6", 3));
    EXPECT_EQ(screen.repaints, 1);
}

TEST_F(CheckTest, CheckingTwiceGivesTheSameListAndLeavesTheCountAlone) {
    dir.Write("wyniki_kulko.txt", Lines({"1;2;3;4;5;6", "10;20;30;40;41;49"}));
    Window().Label1.caption = "Pamięć 7 wyników";
    const auto first = Check("20;41");
    EXPECT_EQ(Check("20;41"), first);
    EXPECT_EQ(first.size(), 2u);
    EXPECT_EQ(Window().Label1.caption, "Pamięć 7 wyników");
}

TEST_F(CheckTest, WithoutAMemoryFileTheListIsEmpty) {
    Window().lista.items.Assign({"old"});
    Window().lista.text = "old";
    EXPECT_TRUE(Check("1;2").empty());
    EXPECT_EQ(Window().lista.itemIndex, -1);
    EXPECT_EQ(Window().lista.text, "");
    EXPECT_TRUE(screen.notices.empty());
}

TEST_F(CheckTest, HandEditedPolishTextShowsAsTyped) {
    dir.Write("wyniki_kulko.txt", Lines({"1;2 \xB3\xF3\x64\x9F"}));  // "łódź" in Windows-1250
    EXPECT_EQ(Check("2"), std::vector<std::string>{Item("1;2 łódź", 1)});
}

TEST_F(MemoryStoreTest, OpenWithNoEditorNamesTheFullPathInAnInformationBox) {
    system.editorStarts = false;  // in the program's directory given as "."
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(dir.Path());
    Tgenerator(".", screen, system).SpeedButton7Click();
    std::filesystem::current_path(before);
    EXPECT_EQ(screen.notices.at(0),
              "Nie udało się uruchomić edytora tekstu.\rPlik pamięci można "
              "otworzyć w dowolnym edytorze:\r" +
                  (std::filesystem::canonical(dir.Path()) / "wyniki_kulko.txt").string());
}

}  // namespace
}  // namespace kulko::test
