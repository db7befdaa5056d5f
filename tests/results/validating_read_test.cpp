#include "results/validating_read.hpp"

#include <gtest/gtest.h>

namespace kulko {
namespace {

struct Outcome {
    ValidationVerdict verdict;
    DrawSummary summary;
};

Outcome Validate(std::string bytes, bool check = true) {
    TextFileReader counter = TextFileReader::FromBytes(bytes);
    std::size_t total = 0;
    std::string_view line;
    while (counter.ReadLine(line)) {
        ++total;
    }
    TextFileReader reader = TextFileReader::FromBytes(std::move(bytes));
    Outcome outcome;
    outcome.verdict = ValidateResults(reader, check, total, outcome.summary);
    return outcome;
}

using Kind = ValidationVerdict::Kind;

TEST(ValidatingRead, ReportsOnlyTheFirstDamagedLine) {
    struct Case {
        const char* file;
        Kind kind;
        const char* line;
    };
    const Case cases[] = {
        {"1;12.03.1957;1;2;3;4;5;6\r\n0007;12.03.1957;1;2;3;4;5;6;7\r\n9;x\r\n",
         Kind::SemicolonError, "0007;12.03.1957;1;2;3;4;5;6;7"},
        {"1;12.03.1957;1;2;3;4;5;6;\r\n", Kind::SemicolonError, "1;12.03.1957;1;2;3;4;5;6;"},
        {"1;1.3.1957;1;2;3;4;5;6\r\n", Kind::DateError, "1;1.3.1957;1;2;3;4;5;6"},
        {"\r\n", Kind::DateError, ""},
        {"1;12.03.1957;1;2;3;4;5;50\r\n1;12.03.1957;1;2;3;4;5;;;\r\n", Kind::RangeError,
         "1;12.03.1957;1;2;3;4;5;50"},
        {"1;12.03.1957;1;2;3;4;5;0\r\n1;45-13-1957;1;2\r\n", Kind::Sound, ""},
    };
    for (const Case& c : cases) {
        const Outcome outcome = Validate(c.file);
        EXPECT_EQ(outcome.verdict.kind, c.kind) << c.file;
        EXPECT_EQ(outcome.verdict.line, c.line) << c.file;
    }
}

TEST(ValidatingRead, StoppedReadKeepsWhatEarlierLinesGave) {
    const Outcome outcome =
        Validate("1;12.03.1957;1;2;3;30;31;32\r\n2;12.03.1957;1;2;3;4;5;99\r\n");
    EXPECT_EQ(outcome.verdict.kind, Kind::RangeError);
    EXPECT_EQ(outcome.summary.lowNumberTotal, 3);
    EXPECT_EQ(outcome.summary.highNumberTotal, 3);
    EXPECT_EQ(outcome.summary.mostFrequentNumber, 0);  // not finished
    EXPECT_EQ(outcome.summary.leastFrequentNumber, 0);
}

TEST(ValidatingRead, WithTheCheckOffEveryLineCounts) {
    const Outcome outcome =
        Validate("1;12.03.1957;1;2;3;4;5;6;7\r\n\r\nx;1.1.2000;60;2\r\n", false);
    EXPECT_EQ(outcome.verdict.kind, Kind::Sound);
    EXPECT_EQ(outcome.summary.readDrawCount, 3u);
    EXPECT_EQ(outcome.summary.numberFrequency[6], 1);  // the seventh token still counts
}

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
}  // namespace kulko
