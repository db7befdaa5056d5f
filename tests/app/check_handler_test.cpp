// "Sprawdź": every kept set scored against the typed numbers, in `lista`.
#include <gtest/gtest.h>

#include "support/window_fixture.hpp"

namespace kulko::test {
namespace {

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

}  // namespace
}  // namespace kulko::test
