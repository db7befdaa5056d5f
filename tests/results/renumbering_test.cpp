#include "results/renumbering.hpp"

#include <gtest/gtest.h>

namespace kulko {
namespace {

TEST(Renumbering, PadsToFourDigitsWithoutCutting) {
    EXPECT_EQ(FourDigitNumber(1), "0001");
    EXPECT_EQ(FourDigitNumber(999), "0999");
    EXPECT_EQ(FourDigitNumber(1000), "1000");
    EXPECT_EQ(FourDigitNumber(12345), "12345");
}

TEST(Renumbering, ReplacesTheTextBeforeTheFirstSemicolon) {
    struct Case {
        const char* before;
        const char* after;
    };
    const Case cases[] = {
        {"", ""},
        {"17;01.02.1999;1;2;3;4;5;6\r\n5;08.02.1999;7;8;9;10;11;12\r\n",
         "0001;01.02.1999;1;2;3;4;5;6\r\n0002;08.02.1999;7;8;9;10;11;12\r\n"},
        // An empty number field gets a number; damaged lines are renumbered alike.
        {";01.02.1999;1\n12;x;;\r\nabc;", "0001;01.02.1999;1\n0002;x;;\r\n0003;"},
        // A line without ";" has no number field: kept, and it takes no number.
        {"1;a\r\n\r\nno field\r\n9;b", "0001;a\r\n\r\nno field\r\n0002;b"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RenumberedText(c.before), c.after) << c.before;
    }
}

}  // namespace
}  // namespace kulko
