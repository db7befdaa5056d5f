// "Częstość": the 49 counts of the results file on the list panel; "Szukaj":
// how many results lines hold the typed text.
#include <gtest/gtest.h>

#include "files/in_out_error.hpp"
#include "support/window_fixture.hpp"

namespace kulko::test {
namespace {

class FrequencyTest : public WindowTest {
  protected:
    void ShowDrawnSet() {
        Window().Panel1.caption = "1;2;3;4;5;6";
        Window().Panel5.visible = true;
        Window().Label3.caption = "17";
        Window().lista.items.Assign({"W zakładach 1;2 znaleziono 1"});
        Window().lista.text = "W zakładach 1;2 znaleziono 1";
    }
    void ExpectDrawnSetCleared() {
        EXPECT_EQ(Window().Panel1.caption, "");
        EXPECT_FALSE(Window().Panel5.visible);
        EXPECT_EQ(Window().Label3.caption, "");
        EXPECT_TRUE(Window().lista.items.Empty());
        EXPECT_EQ(Window().lista.text, "");
        EXPECT_EQ(screen.repaints, 1);
    }
};

TEST_F(FrequencyTest, AnEmptyFileListsAll49NumbersWithCountZero) {
    dir.Write("kulko.txt", "");
    ShowDrawnSet();
    Window().PendingSetText = "1;2;3;4;5;6";
    Window().SpeedButton3Click();
    ExpectDrawnSetCleared();
    EXPECT_EQ(Window().PendingSetText, "1;2;3;4;5;6");
    const ItemList& items = Window().ListBox1.items;
    ASSERT_EQ(items.Size(), 49u);
    EXPECT_EQ(items[0], "Liczba 1   wypadała 0 razy");
    EXPECT_EQ(items[48], "Liczba 49   wypadała 0 razy");
    EXPECT_EQ(Window().ListBox1.itemIndex, 0);
    EXPECT_EQ(Window().Label27.caption, "Częstość występowania liczb ");
    EXPECT_TRUE(Window().panel6.visible);
    EXPECT_EQ(Window().panel6.bounds, (Bounds{8, 40, 981, 565}));
}

TEST_F(FrequencyTest, CountsOnlyTheNumbersPartInNumberOrder) {
    dir.Write("kulko.txt", Lines({"0001;01.01.2000;1;2;3;4;5;6", "0049;08.01.2000;7;7;0;50;;49",
                                  "0002;15.01.2000;7;12;33;34;35;36"}));
    Window().SpeedButton3Click();
    const ItemList& items = Window().ListBox1.items;
    ASSERT_EQ(items.Size(), 49u);
    EXPECT_EQ(items[0], "Liczba 1   wypadała 1 razy");
    EXPECT_EQ(items[6], "Liczba 7   wypadała 3 razy");
    EXPECT_EQ(items[11], "Liczba 12   wypadała 1 razy");
    EXPECT_EQ(items[48], "Liczba 49   wypadała 1 razy");
    // Neither the draw number 49 nor the date counted; 0, 50 and "" skipped.
    EXPECT_EQ(items[1], "Liczba 2   wypadała 1 razy");
    EXPECT_EQ(items[7], "Liczba 8   wypadała 0 razy");
}

TEST_F(FrequencyTest, AMissingFileEndsAfterClearingAndLeavesThePanelHidden) {
    ShowDrawnSet();
    Window().ListBox1.items.Assign({"x"});
    try {
        Window().SpeedButton3Click();
        FAIL() << "no error";
    } catch (const InOutError& error) {
        EXPECT_STREQ(error.what(), "File not found");
    }
    ExpectDrawnSetCleared();
    EXPECT_TRUE(Window().ListBox1.items.Empty());
    EXPECT_FALSE(Window().panel6.visible);
}
std::string Notice(int count) {
    return "Podane liczby w całej bazie wyników wystąpiły " + std::to_string(count) + " razy";
}

TEST_F(WindowTest, SearchCountsLinesHoldingTheTypedText) {
    dir.Write("kulko.txt",
              Lines({"0001;01.02.1994;1;2;3;4;6;7",        // "2;3"
                     "0015;08.02.1994;8;9;10;11;12;13",    // "5" in the number
                     "0002;15.02.1995;12;30;31;32;33;34",  // "5" in the date, "2;3" in 12;30
                     "0003;22.02.1994;22;33;40;41;42;43",  // "2;3" in 22;33
                     "0004;01.03.1994;16;17;18;19;20;45",  // "5" in 45
                     "0006;08.03.1994;1;6;7;8;9;10 b\xB3\xB9\x64",  // "błąd"
                     "0007;01.03.1996;16;17;18;19;20;44 ?"}));
    struct Case {
        const char* typed;
        int count;
    };
    const Case cases[] = {
        {"5", 3},
        {"2;3", 3},
        {"2;3;4", 1},
        {"2;3;4;5", 0},
        {"1994;1", 3},
        {"błąd", 1},
        {"BŁĄD", 0},  // typed in UTF-8, matched in the file's code page
        {"", 0},
        {" 5", 0},
        {"?", 1},
        // A character without a Windows-1250 form occurs in no line.
        {"中", 0},
        {"4 😀", 0},
    };
    const std::string before = dir.Read("kulko.txt");
    for (const Case& c : cases) {
        screen.notices.clear();
        Window().wyniki_losowan.text = c.typed;
        Window().SpeedButton9Click();
        EXPECT_EQ(screen.notices, std::vector<std::string>{Notice(c.count)}) << c.typed;
    }
    EXPECT_EQ(screen.repaints, 0);
    EXPECT_EQ(dir.Read("kulko.txt"), before);
}

TEST_F(WindowTest, SearchWithoutAResultsFileSaysZero) {
    Window().wyniki_losowan.text = "5";
    Window().SpeedButton9Click();
    EXPECT_EQ(screen.notices, std::vector<std::string>{Notice(0)});
}

}  // namespace
}  // namespace kulko::test
