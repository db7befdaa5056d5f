// The numbers as the player types them, and back.
#include "wheels/number_choice.hpp"

#include <gtest/gtest.h>

namespace kulko::test {
namespace {

TEST(NumberChoice, ReadsNumbersAndRangesInAnySpacing) {
    const NumberBits expected =
        Bit(1) | Bit(5) | Bit(7) | Bit(8) | Bit(9) | Bit(10) | Bit(11) | Bit(12) | Bit(40);
    for (const char* text : {"1;5;7-12;40", " 1 ; 5;7 -12;40;", "40,1,5,7-12,7", "1 5 7–12 40"}) {
        SCOPED_TRACE(text);
        const NumberChoice choice = ParseNumberChoice(text);
        EXPECT_EQ(choice.error, "");
        EXPECT_EQ(choice.numbers, expected);
    }
    EXPECT_EQ(NumberChoiceText(expected), "1;5;7-12;40");
    EXPECT_EQ(NumberChoiceText(Bit(48) | Bit(49) | Bit(1) | Bit(2) | Bit(3)), "1-3;48;49");
    EXPECT_EQ(NumberChoiceText(0), "");
    EXPECT_EQ(ParseNumberChoice("").numbers, 0u);
}

TEST(NumberChoice, RefusesWhatIsNoNumberOfTheGame) {
    EXPECT_EQ(ParseNumberChoice("1;50").error, "Liczba 50 jest spoza zakresu od 1 do 49");
    EXPECT_EQ(ParseNumberChoice("0;3").error, "Liczba 0 jest spoza zakresu od 1 do 49");
    for (const char* text : {"1;x", "12-7", "3-", "-3", "1;2;3a", "1000", "7--9"}) {
        SCOPED_TRACE(text);
        const NumberChoice choice = ParseNumberChoice(text);
        EXPECT_NE(choice.error, "");
        EXPECT_EQ(choice.numbers, 0u);
    }
}

}  // namespace
}  // namespace kulko::test
