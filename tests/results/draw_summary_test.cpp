#include "results/draw_summary.hpp"

#include <gtest/gtest.h>

#include "results/validated_text.hpp"

namespace kulko::test {
namespace {

TEST(DrawSummary, CountsPatternsAndRecentRows) {
    const Outcome outcome = Validate(
        "1;01.01.2000;1;2;3;10;20;30\r\n"       // triple and pair
        "2;08.01.2000;40;30;11;10;6;5\r\n"      // two pairs, descending: one pair draw
        "3;15.01.2000;2;4;6;8;10;12\r\n"        // all even, six low
        "4;22.01.2000;25;27;29;31;33;24\r\n"    // 24 and 25 make a pair; not all odd
        "5;29.01.2000;25;27;29;31;33;35\r\n");  // all odd
    const DrawSummary& s = outcome.summary;
    EXPECT_EQ(s.readDrawCount, 5u);
    EXPECT_EQ(s.tripleDraws, 1);
    EXPECT_EQ(s.pairDraws, 3);  // draws 1, 2 and 4
    EXPECT_EQ(s.allEvenDraws, 1);
    EXPECT_EQ(s.allOddDraws, 1);
    EXPECT_EQ(s.lastDate, "29.01.2000");
    EXPECT_EQ(s.recentDraws[49], (NumberSet{25, 27, 29, 31, 33, 35}));
    EXPECT_EQ(s.recentDraws[45], (NumberSet{1, 2, 3, 10, 20, 30}));
    EXPECT_EQ(s.recentDraws[44], (NumberSet{}));
    EXPECT_EQ(s.lowNumberTotal + s.highNumberTotal, 30);
}

// With the check off any number reaches the summary: the largest a line can
// hold must neither overflow (the sanitizer build stops at that) nor make a
// pair with a number that is not there.
TEST(DrawSummary, LargestNumbersCountWithoutOverflow) {
    const Outcome outcome = Validate(
        "1;01.01.2000;2147483645;2147483646;2147483647;7;9;11\r\n"
        "2;01.01.2000;2147483647;-2147483647;2147483647;5;3;1\r\n",
        false);
    EXPECT_EQ(outcome.summary.tripleDraws, 1);
    EXPECT_EQ(outcome.summary.pairDraws, 1);
    EXPECT_EQ(outcome.summary.allOddDraws, 1);
    EXPECT_EQ(outcome.summary.recentDraws[49],
              (NumberSet{-2147483647, 1, 3, 5, 2147483647, 2147483647}));
}

TEST(DrawSummary, EmptyFileAndTies) {
    const Outcome empty = Validate("");
    EXPECT_EQ(empty.summary.readDrawCount, 0u);
    EXPECT_EQ(empty.summary.maximumCount, 0);
    EXPECT_EQ(empty.summary.mostFrequentNumber, 1);
    EXPECT_EQ(empty.summary.leastFrequentNumber, 1);
    const Outcome tie = Validate("1;01.01.2000;7;9;1;2;3;4\r\n2;01.01.2000;9;7;10;11;12;13\r\n");
    EXPECT_EQ(tie.summary.maximumCount, 2);
    EXPECT_EQ(tie.summary.mostFrequentNumber, 7);
    EXPECT_EQ(tie.summary.leastFrequentNumber, 5);  // lowest number never drawn
}

TEST(DrawSummary, SixtyLinesFillTheFiftyRowsWithTheNewest) {
    std::string file;
    for (int i = 1; i <= 60; ++i) {
        file += std::to_string(i) + ";01.01.2000;1;2;3;4;5;" + std::to_string(i % 40 + 6) + "\r\n";
    }
    const Outcome outcome = Validate(file);
    EXPECT_EQ(outcome.summary.recentDraws[0][5], 11 % 40 + 6);
    EXPECT_EQ(outcome.summary.recentDraws[49][5], 60 % 40 + 6);
}

}  // namespace
}  // namespace kulko::test
