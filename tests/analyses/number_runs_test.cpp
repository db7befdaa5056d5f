// Pairs, triples, absences and the chance band of the numbers.
#include "analyses/number_runs.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <numeric>

namespace kulko::test {
namespace {

std::int64_t Sum(const std::vector<Combination>& list) {
    return std::accumulate(list.begin(), list.end(), std::int64_t{0},
                           [](std::int64_t s, const Combination& c) { return s + c.count; });
}

TEST(NumberRuns, PairsAndTriplesOfTheRealHistorySumToFifteenAndTwentyPerDraw) {
    const DrawHistory history = ReadDrawHistory(KULKO_SHIPPED_HISTORY);
    ASSERT_EQ(history.damage, "");
    const NumberRuns runs = CountNumberRuns(history.draws, 10);
    EXPECT_GT(runs.draws, 7000);
    EXPECT_EQ(runs.pairs.size(), 1176u);
    EXPECT_EQ(runs.triples.size(), 18424u);
    EXPECT_EQ(Sum(runs.pairs), 15 * runs.draws);
    EXPECT_EQ(Sum(runs.triples), 20 * runs.draws);
    EXPECT_GE(runs.pairs.front().count, runs.pairs.back().count);
    EXPECT_EQ(std::accumulate(runs.recent.begin(), runs.recent.end(), std::int64_t{0}), 60);
}

TEST(NumberRuns, AbsencesAndRecentCountsOfAHandMadeHistory) {
    const std::vector<PastDraw> draws = {{1, {1, 2, 3, 4, 5, 6}},
                                         {2, {1, 7, 8, 9, 10, 11}},
                                         {3, {0, 0, 0, 0, 0, 0}},  // not a draw
                                         {4, {7, 12, 13, 14, 15, 16}},
                                         {5, {2, 12, 20, 21, 22, 23}}};
    const NumberRuns runs = CountNumberRuns(draws, 2);
    EXPECT_EQ(runs.draws, 4);
    EXPECT_EQ(runs.total[0], 2);      // 1
    EXPECT_EQ(runs.sinceLast[0], 2);  // 1 last in the second draw
    EXPECT_EQ(runs.longestGap[0], 2);
    EXPECT_EQ(runs.longestGap[1], 2);  // 2: drawn first and last
    EXPECT_EQ(runs.sinceLast[48], 4);  // 49 never
    EXPECT_EQ(runs.longestGap[48], 4);
    EXPECT_EQ(runs.recent[11], 2);  // 12 in both of the last two
    EXPECT_EQ(runs.recent[0], 0);
    EXPECT_EQ(runs.pairs.front().count, 1);
    EXPECT_EQ(runs.pairs.back().count, 0);
}

TEST(NumberRuns, ChanceBandHoldsTheCentralShare) {
    const ChanceBand band = BinomialBand(7000);
    const double mean = 7000.0 * 6 / 49;
    const double sd = std::sqrt(mean * 43 / 49);
    EXPECT_NEAR(static_cast<double>(band.low), mean - 1.96 * sd, 2.0);
    EXPECT_NEAR(static_cast<double>(band.high), mean + 1.96 * sd, 2.0);
    EXPECT_EQ(BinomialBand(0).low, 0);
    EXPECT_EQ(BinomialBand(0).high, 0);
}

}  // namespace
}  // namespace kulko::test
