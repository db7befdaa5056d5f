// "Częstość": the 49 counts of the results file on the list panel.
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

}  // namespace
}  // namespace kulko::test
