#include "results/validating_read.hpp"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "results/validated_text.hpp"
#include "support/temp_dir.hpp"

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

// The file read from disk a piece at a time, not knowing its count of
// lines beforehand, gives what the read of the whole text knowing it gives:
// lines of every kind across the pieces' seams, the newest fifty rows both
// of a sound file and of one damaged among them.
TEST(ValidatingRead, FileReadInPiecesAgreesWithTheWholeText) {
    std::string text;
    const char* const kinds[] = {
        "0001;12.03.1957;1;2;3;30;31;32\r\n", "77;01.02.2000;9;3;3;12;40;41\n",
        "5;01.02.2000;5;6;7;8;9;10\r",        "\r\n",
        "x1;1.1.2000  ;1;2;3;4;5;6;7\r\n",    "123456789012;05.05.1999;07;1;49;48;2;0\r\n"};
    for (std::size_t i = 0; text.size() < (std::size_t{3} << 18); ++i) {
        text += kinds[i * i % 7 % 6];
        text += std::string(i % 97 == 0 ? i % 300 : 0, '#') + "9;01.01.2001;" +
                std::to_string(i % 50) + ";1;2;3;4;" + std::to_string(i % 61) + "\r\n";
    }
    const std::string damagedNearEnd = text + "1;01.01.2001;1;2;3;4;5;50\r\n" + kinds[0] + kinds[1];
    const TempDir dir;
    for (const std::string& bytes : {text, damagedNearEnd, std::string(kinds[2]) + kinds[0]}) {
        dir.Write("kulko.txt", bytes);
        for (const bool check : {true, false}) {
            const Outcome whole = Validate(bytes, check);
            DrawSummary pieces;
            const ValidationVerdict verdict = ValidateResultsFile(dir / "kulko.txt", check, pieces);
            EXPECT_EQ(verdict.kind, whole.verdict.kind);
            EXPECT_EQ(verdict.line, whole.verdict.line);
            EXPECT_EQ(pieces.readDrawCount, whole.summary.readDrawCount);
            EXPECT_EQ(pieces.numberFrequency, whole.summary.numberFrequency);
            EXPECT_EQ(pieces.recentDraws, whole.summary.recentDraws);
            EXPECT_EQ(pieces.lastDate, whole.summary.lastDate);
            EXPECT_EQ(std::tie(pieces.pairDraws, pieces.tripleDraws, pieces.allEvenDraws,
                               pieces.allOddDraws, pieces.lowNumberTotal, pieces.highNumberTotal),
                      std::tie(whole.summary.pairDraws, whole.summary.tripleDraws,
                               whole.summary.allEvenDraws, whole.summary.allOddDraws,
                               whole.summary.lowNumberTotal, whole.summary.highNumberTotal));
        }
    }
}

// A line longer than the reader's window, however sound its start, is never
// counted: the read stops at it as at a line whose fields cannot be cut.
TEST(ValidatingRead, ALineLongerThanTheWindowIsDamaged) {
    const TempDir dir;
    const std::string longLine = "2;12.03.1957;1;2;3;4;5;6" + std::string(TextReader::kWindow, ' ');
    dir.Write("kulko.txt",
              "1;12.03.1957;1;2;3;4;5;6\r\n" + longLine + "\r\n3;12.03.1957;1;2;3;4;5;6");
    DrawSummary summary;
    const ValidationVerdict verdict = ValidateResultsFile(dir / "kulko.txt", true, summary);
    EXPECT_EQ(verdict.kind, Kind::SemicolonError);
    EXPECT_EQ(verdict.line, longLine.substr(0, kShownLineLength));
    EXPECT_EQ(summary.readDrawCount, 1u);
}

}  // namespace
}  // namespace kulko::test
