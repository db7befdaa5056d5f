#include "results/validating_read.hpp"

#include <gtest/gtest.h>

#include "results/validated_text.hpp"

namespace kulko::test {
namespace {

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

}  // namespace
}  // namespace kulko::test
