#include "text/text_to_number.hpp"

#include <gtest/gtest.h>

namespace kulko {
namespace {

struct Case {
    const char* text;
    int value;
    bool stoppedEarly;
};

TEST(TextToNumber, ConvertsDecimalHexSignsAndStopsEarly) {
    const Case cases[] = {
        {"42", 42, false},
        {"  7", 7, false},
        {"-12", -12, false},
        {"+5", 5, false},
        {"0042", 42, false},
        {"$1F", 31, false},
        {"x10", 16, false},
        {"X10", 16, false},
        {"0x1f", 31, false},
        {"0XfF", 255, false},
        {"-$10", -16, false},
        {"0", 0, false},
        // Stopping early keeps the digits read so far, without the sign.
        {"12a", 12, true},
        {"-12a", 12, true},
        {"1.", 1, true},
        {"5 ", 5, true},
        {"", 0, true},
        {" ", 0, true},
        {"-", 0, true},
        {"$", 0, true},
        {"0x", 0, true},
        {"abc", 0, true},
        {"\t3", 0, true},
        {"2147483647", 2147483647, false},
        {"-2147483648", -2147483647 - 1, false},
    };
    for (const Case& c : cases) {
        const NumberConversion result = TextToNumber(c.text);
        EXPECT_EQ(result.value, c.value) << '"' << c.text << '"';
        EXPECT_EQ(result.stoppedEarly, c.stoppedEarly) << '"' << c.text << '"';
    }
}

TEST(TextToNumber, NeverOverflowsOnLongDigitRuns) {
    const NumberConversion result = TextToNumber("99999999999999999999");
    EXPECT_TRUE(result.stoppedEarly);
    EXPECT_EQ(result.value, 999999999);
}

}  // namespace
}  // namespace kulko
