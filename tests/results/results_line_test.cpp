#include "results/results_line.hpp"

#include <gtest/gtest.h>

#include <vector>

namespace kulko {
namespace {

std::vector<int> Numbers(std::string_view line) {
    std::vector<int> values;
    ForEachNumber(CutResultsLine(line).numbersPart, [&](int v) { values.push_back(v); });
    return values;
}

TEST(ResultsLine, CutsNumberDateAndNumbersPart) {
    const auto fields = CutResultsLine("0042;03.02.1958;4;11;19;23;37;48");
    EXPECT_EQ(fields.drawNumber, "0042");
    EXPECT_EQ(fields.date, "03.02.1958");
    EXPECT_EQ(fields.numbersPart, "4;11;19;23;37;48");
    EXPECT_EQ(Numbers("0042;03.02.1958;4;11;19;23;37;48"),
              (std::vector<int>{4, 11, 19, 23, 37, 48}));
}

TEST(ResultsLine, TokensFollowTheAppendedSemicolonRule) {
    EXPECT_EQ(Numbers("1;d;"), (std::vector<int>{0}));  // empty part: one empty token
    EXPECT_EQ(Numbers("1;d;1;2;"),
              (std::vector<int>{1, 2, 0}));                      // trailing ";" adds an empty token
    EXPECT_EQ(Numbers("1;12.03.1957"), (std::vector<int>{12}));  // one ";": the part follows it
    EXPECT_EQ(Numbers("7;8"), (std::vector<int>{8}));
    EXPECT_EQ(Numbers("5 6"), (std::vector<int>{5}));  // no ";": the whole line
    EXPECT_EQ(Numbers("1;d; 7;+8;9x;-3"), (std::vector<int>{7, 8, 9, -3}));
}

TEST(ResultsLine, DateCheckWantsThreeCompleteParts) {
    EXPECT_TRUE(IsDateWellFormed("12.03.1957"));
    EXPECT_TRUE(IsDateWellFormed("12-03-1957"));
    EXPECT_TRUE(IsDateWellFormed("12/03/1957"));
    EXPECT_TRUE(IsDateWellFormed("45.13.1957"));   // no range check
    EXPECT_FALSE(IsDateWellFormed("1.3.1957;1"));  // day "1." stops early
    EXPECT_FALSE(IsDateWellFormed("12.03.195"));   // short
    EXPECT_FALSE(IsDateWellFormed(""));
    EXPECT_FALSE(IsDateWellFormed("ab.03.1957"));
}

}  // namespace
}  // namespace kulko
