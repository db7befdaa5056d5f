#include "generator/minimum_search.hpp"

#include <gtest/gtest.h>

#include "support/temp_dir.hpp"

namespace kulko::test {
namespace {

NumberCounts CountsOf(const std::string& text) {
    TempDir dir;
    dir.Write("kulko.txt", text);
    return CountResultsNumbers(dir / "kulko.txt");
}

TEST(MinimumSearch, SixLeastDrawnNumbersWithTiesToTheSmallest) {
    struct Row {
        const char* history;
        const char* set;
    };
    const Row rows[] = {
        {"", "1;2;3;4;5;6"},
        {"0001;27.01.1957;10;20;30;40;45;49\r\n", "1;2;3;4;5;6"},
        {"0001;27.01.1957;1;2;3;4;5;6\r\n", "7;8;9;10;11;12"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(NumberSetText(SixLeastDrawn(CountsOf(row.history))), row.set) << row.history;
    }
}

TEST(MinimumSearch, ContestedSixthPlaceGoesToTheSmallestNumber) {
    NumberCounts counts{};
    counts.fill(10);
    // Five clear minima, then 3, 17 and 40 share the next count.
    for (int n : {49, 48, 30, 12, 2}) {
        counts[static_cast<std::size_t>(n - 1)] = 1;
    }
    for (int n : {40, 17, 3}) {
        counts[static_cast<std::size_t>(n - 1)] = 5;
    }
    EXPECT_EQ(NumberSetText(SixLeastDrawn(counts)), "2;3;12;30;48;49");
}

TEST(MinimumSearch, EveryTokenOfALineCountsButOnlyNumbersOneToFortyNine) {
    // The seventh token counts; 0, 50 and junk count for no number.
    const NumberCounts counts = CountsOf(
        "0001;27.01.1957;1;2;3;4;5;6;7\r\n"
        "0002;03.02.1957;0;50;x;8;9;10\r\n");
    EXPECT_EQ(NumberSetText(SixLeastDrawn(counts)), "11;12;13;14;15;16");
}

}  // namespace
}  // namespace kulko::test
