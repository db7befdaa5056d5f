#include <gtest/gtest.h>

#include "files/in_out_error.hpp"
#include "files/text_file.hpp"
#include "results/results_line.hpp"
#include "stats/draw_log_counts.hpp"
#include "support/temp_dir.hpp"
#include "support/window_fixture.hpp"

namespace kulko::test {
namespace {

int CountBits(const NumberCounts& counts, int n) {
    return counts[static_cast<std::size_t>(n - 1)];
}

TEST(DrawLogCounts, CountsEveryFieldOfEveryLine) {
    TempDir dir;
    dir.Write("log.txt", Lines({"1;2;3;4;5;6", "3;11;19;27;35;48", "3;4;5;6;7;49"}));
    const NumberCounts counts = CountDrawLogNumbers(dir / "log.txt");
    EXPECT_EQ(CountBits(counts, 3), 3);
    EXPECT_EQ(CountBits(counts, 4), 2);
    EXPECT_EQ(CountBits(counts, 1), 1);
    EXPECT_EQ(CountBits(counts, 49), 1);
    EXPECT_EQ(CountBits(counts, 8), 0);
    int total = 0;
    for (int count : counts) {
        total += count;
    }
    EXPECT_EQ(total, 18);
}

TEST(DrawLogCounts, SkipsValuesOutsideTheGame) {
    TempDir dir;
    // 0, 50, -7, a field that converts to 0, and hexadecimal $31 (49).
    dir.Write("log.txt", Lines({"0;50;-7;x;$31;12", "12abc;;  5",
                                "4\x1a"
                                "9;9;9"}));
    const NumberCounts counts = CountDrawLogNumbers(dir / "log.txt");
    NumberCounts expected{};
    expected[49 - 1] = 1;
    expected[12 - 1] = 2;  // "12abc" stops early at 12
    expected[5 - 1] = 1;   // leading blanks are skipped
    expected[4 - 1] = 1;   // Ctrl-Z ends the file
    EXPECT_EQ(counts, expected);
}

// The counts as the program's line reader and token cutting give them.
NumberCounts CountedByTheLineReader(std::string bytes) {
    NumberCounts counts{};
    TextReader reader = TextReader::FromBytes(std::move(bytes));
    std::string_view line;
    while (reader.ReadLine(line)) {
        ForEachNumber(line, [&](int value) {
            if (IsGameNumber(value)) {
                ++counts[static_cast<std::size_t>(value - 1)];
            }
        });
    }
    return counts;
}

TEST(DrawLogCounts, CutsLinesAndFieldsLikeEveryOtherTextFile) {
    const std::string files[] = {
        "1;2;3\r\n4;5;6\r\n",
        "1;2;3\r\n4;5;6",     // no line end after the last line
        "1;2\r3;4\n5;6\r\n",  // after a CR the rest up to the LF is skipped
        "1;2\r3;4;5",         // a CR and no LF: the rest of the file is skipped
        "7\n\n8\r\n\r\n9\r",  // empty lines
        "1;;2;\r\n;3;\n;",    // empty fields
        "12;345;4x;x4;$1F;0x20;+9;-9; 7; \r\n",
        "123456789012345678901;49;1\r\n",  // too long for a number
        "4;5\x1a;6\r\n7\r\n",              // Ctrl-Z ends the file
        "",
        "\r",
        "9",
        "49;",
        "5\r\r\n6",
    };
    for (const std::string& bytes : files) {
        TempDir dir;
        dir.Write("log.txt", bytes);
        EXPECT_EQ(CountDrawLogNumbers(dir / "log.txt"), CountedByTheLineReader(bytes))
            << testing::PrintToString(bytes);
    }
}

TEST(DrawLogCounts, MissingFileThrowsTheFileError) {
    TempDir dir;
    EXPECT_THROW(CountDrawLogNumbers(dir / "losowania_kulko.txt"), InOutError);
}

}  // namespace
}  // namespace kulko::test
