// "Baza": the whole results file in the list, newest draw selected.
#include <gtest/gtest.h>

#include "files/in_out_error.hpp"
#include "support/window_fixture.hpp"

namespace kulko::test {
namespace {

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
