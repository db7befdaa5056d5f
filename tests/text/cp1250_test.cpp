#include "text/cp1250.hpp"

#include <gtest/gtest.h>

namespace kulko {
namespace {

TEST(Cp1250, PolishLettersRoundTrip) {
    const std::string polish = "Zażółć gęślą jaźń ĄĘŁŃÓŚŹŻ €";
    const std::string bytes = Utf8ToCp1250(polish);
    EXPECT_EQ(bytes.size(), Utf8Length(polish));
    EXPECT_EQ(static_cast<unsigned char>(Utf8ToCp1250("ł")[0]), 0xB3);
    EXPECT_EQ(static_cast<unsigned char>(Utf8ToCp1250("Ś")[0]), 0x8C);
    EXPECT_EQ(Cp1250ToUtf8(bytes), polish);
}

TEST(Cp1250, EveryByteSurvivesARoundTrip) {
    std::string all;
    for (int b = 0; b < 256; ++b) {
        all.push_back(static_cast<char>(b));
    }
    EXPECT_EQ(Utf8ToCp1250(Cp1250ToUtf8(all)), all);
}

TEST(Cp1250, UnmappableAndBrokenTextBecomesQuestionMarks) {
    EXPECT_EQ(Utf8ToCp1250("a漢b"), "a?b");
    EXPECT_EQ(Utf8ToCp1250("😀"), "?");
    EXPECT_EQ(Utf8ToCp1250("\xC3"), "?");            // cut sequence
    EXPECT_EQ(Utf8ToCp1250("\xC0\x80"), "?");        // overlong NUL
    EXPECT_EQ(Utf8ToCp1250("\xED\xA0\x80x"), "?x");  // surrogate
    EXPECT_EQ(Utf8Length("\xFF\xFE"), 2u);
}

}  // namespace
}  // namespace kulko
