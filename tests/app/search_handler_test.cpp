// "Szukaj": how many results lines hold the typed text.
#include <gtest/gtest.h>

#include "support/window_fixture.hpp"

namespace kulko::test {
namespace {

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
