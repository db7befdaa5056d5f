#include "generator/candidate_tests.hpp"

#include <gtest/gtest.h>

namespace kulko::test {
namespace {

TEST(Conditions, RunsOfConsecutiveNumbersAndParity) {
    struct Row {
        NumberSet set;
        DrawCondition condition;
        bool passes;
    };
    const Row rows[] = {
        {{5, 6, 20, 30, 40, 49}, DrawCondition::NoTwoInRow, false},
        {{5, 6, 20, 30, 40, 49}, DrawCondition::NoThreeInRow, true},
        {{5, 6, 7, 20, 30, 40}, DrawCondition::NoThreeInRow, false},
        {{1, 3, 20, 30, 48, 49}, DrawCondition::NoTwoInRow, false},  // the last pair
        {{1, 3, 20, 30, 47, 49}, DrawCondition::NoTwoInRow, true},
        {{1, 2, 4, 5, 7, 8}, DrawCondition::NoThreeInRow, true},  // pairs only
        {{10, 20, 30, 47, 48, 49}, DrawCondition::NoThreeInRow, false},
        {{2, 4, 6, 24, 26, 48}, DrawCondition::EvenOnly, true},
        {{2, 4, 6, 24, 26, 49}, DrawCondition::EvenOnly, false},
        {{1, 3, 5, 25, 27, 49}, DrawCondition::OddOnly, true},
        {{1, 3, 5, 25, 27, 48}, DrawCondition::OddOnly, false},
        {{1, 2, 3, 4, 5, 6}, DrawCondition::Any, true},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(PassesCondition(row.condition, row.set), row.passes) << NumberSetText(row.set);
    }
}

TEST(Bias, MajoritiesNeedFourAndTwentyFourIsLow) {
    const NumberSet fourLow{1, 10, 20, 24, 25, 49};
    const NumberSet threeLow{1, 10, 24, 25, 30, 49};
    EXPECT_EQ(LowCount(fourLow), 4);
    EXPECT_TRUE(PassesBias(DrawBias::LowMajority, fourLow, 0));
    EXPECT_FALSE(PassesBias(DrawBias::LowMajority, threeLow, 0));
    EXPECT_FALSE(PassesBias(DrawBias::HighMajority, threeLow, 0));
    EXPECT_TRUE(PassesBias(DrawBias::HighMajority, {1, 24, 25, 26, 30, 49}, 0));
    EXPECT_TRUE(PassesBias(DrawBias::AsStatistics, threeLow, 3));
    EXPECT_FALSE(PassesBias(DrawBias::AsStatistics, fourLow, 3));
    EXPECT_TRUE(PassesBias(DrawBias::Ignore, threeLow, 6));
}

RecentDrawTable Rows(std::initializer_list<NumberSet> newestLast) {
    RecentDrawTable table{};
    std::size_t row = table.size() - newestLast.size();
    for (const NumberSet& set : newestLast) {
        table[row++] = set;
    }
    return table;
}

TEST(RecentDraws, HitsCountEveryEqualPairOverTheNewestRows) {
    const RecentDrawTable table =
        Rows({{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}, {7, 20, 21, 22, 23, 24}});
    const NumberSet candidate{1, 7, 12, 30, 31, 32};
    EXPECT_EQ(RecentDrawTest(table, 1, RecentFilter::Ignore, false).Hits(candidate), 1);
    EXPECT_EQ(RecentDrawTest(table, 2, RecentFilter::Ignore, false).Hits(candidate), 3);
    EXPECT_EQ(RecentDrawTest(table, 3, RecentFilter::Ignore, false).Hits(candidate), 4);
    // Rows without a draw hold zeros and add nothing; counts beyond 50 are 50.
    EXPECT_EQ(RecentDrawTest(table, 50, RecentFilter::Ignore, false).Hits(candidate), 4);
    EXPECT_EQ(RecentDrawTest(table, 5000, RecentFilter::Ignore, false).Hits(candidate), 4);
    EXPECT_EQ(RecentDrawTest(table, 0, RecentFilter::Ignore, false).Hits(candidate), 0);
    EXPECT_EQ(RecentDrawTest(table, -4, RecentFilter::Ignore, false).Hits(candidate), 0);
}

TEST(RecentDraws, FiltersAndNotIfAlreadyDrawn) {
    const RecentDrawTable table =
        Rows({{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}, {13, 14, 15, 16, 17, 18}});
    struct Row {
        NumberSet candidate;
        std::int32_t count;
        RecentFilter filter;
        bool notIfDrawn;
        bool rejected;
    };
    const Row rows[] = {
        // "nie dopuść dwójki" over two draws: one number from each is two.
        {{7, 13, 30, 31, 32, 33}, 2, RecentFilter::NoPair, false, true},
        {{13, 30, 31, 32, 33, 34}, 2, RecentFilter::NoPair, false, false},
        {{7, 13, 30, 31, 32, 33}, 2, RecentFilter::NoTriple, false, false},
        {{1, 7, 13, 31, 32, 33}, 3, RecentFilter::NoTriple, false, true},
        // "nie, jeżeli już była" with one draw: any shared number rejects.
        {{13, 30, 31, 32, 33, 34}, 1, RecentFilter::Ignore, true, true},
        {{30, 31, 32, 33, 34, 35}, 1, RecentFilter::Ignore, true, false},
        // With three draws it takes three shared numbers.
        {{7, 13, 30, 31, 32, 33}, 3, RecentFilter::Ignore, true, false},
        {{1, 7, 13, 31, 32, 33}, 3, RecentFilter::Ignore, true, true},
        // No row compared: every candidate reaches the count and is rejected.
        {{30, 31, 32, 33, 34, 35}, 0, RecentFilter::Ignore, true, true},
        {{30, 31, 32, 33, 34, 35}, -1, RecentFilter::Ignore, true, true},
        {{30, 31, 32, 33, 34, 35}, 0, RecentFilter::NoPair, false, false},
        // Beyond 50 the threshold is 50 too, which six numbers never reach here.
        {{1, 7, 13, 31, 32, 33}, 51, RecentFilter::Ignore, true, false},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(
            RecentDrawTest(table, row.count, row.filter, row.notIfDrawn).Rejects(row.candidate),
            row.rejected)
            << NumberSetText(row.candidate) << " count " << row.count;
    }
}

TEST(RecentDraws, ANumberInSeveralDrawsCountsOncePerDraw) {
    const RecentDrawTable table = Rows({{5, 10, 15, 20, 25, 30}, {5, 11, 16, 21, 26, 31}});
    const NumberSet candidate{5, 40, 41, 42, 43, 44};
    EXPECT_EQ(RecentDrawTest(table, 2, RecentFilter::Ignore, false).Hits(candidate), 2);
    EXPECT_TRUE(RecentDrawTest(table, 2, RecentFilter::NoPair, false).Rejects(candidate));
    EXPECT_TRUE(RecentDrawTest(table, 2, RecentFilter::Ignore, true).Rejects(candidate));
}

}  // namespace
}  // namespace kulko::test
