// How sets and systems would have done on small hand-made histories.
#include "analyses/set_history.hpp"

#include <gtest/gtest.h>

namespace kulko::test {
namespace {

const std::vector<PastDraw> kDraws = {
    {20000101, {1, 2, 3, 4, 5, 6}},       {20000108, {1, 2, 3, 40, 41, 42}},
    {20000115, {40, 41, 42, 43, 44, 45}}, {20000122, {30, 31, 32, 33, 34, 35}},
    {20000129, {1, 2, 3, 4, 5, 40}},      {20000205, {1, 2, 3, 3, 5, 40}},  // not a draw
    {20000212, {1, 2, 3, 4, 44, 45}},     {20000219, {7, 8, 9, 10, 11, 12}}};

TEST(SetHistory, CountsExactHitsLastWinAndLongestDrought) {
    const SetRecord all = ScoreSet({1, 2, 3, 4, 5, 6}, kDraws, {0, kDraws.size()});
    EXPECT_EQ(all.hits, (std::array<std::int64_t, 4>{1, 1, 1, 1}));
    EXPECT_EQ(all.draws, 7);
    EXPECT_EQ(all.lastWin, 20000212);
    EXPECT_EQ(all.longestDrought, 2);

    const DrawRange range = DrawsBetween(kDraws, 20000108, 20000129);
    EXPECT_EQ(range.first, 1u);
    EXPECT_EQ(range.last, 5u);
    const SetRecord part = ScoreSet({1, 2, 3, 4, 5, 6}, kDraws, range);
    EXPECT_EQ(part.hits, (std::array<std::int64_t, 4>{1, 0, 1, 0}));
    EXPECT_EQ(CumulativeWins({1, 2, 3, 4, 5, 6}, kDraws, range),
              (std::vector<std::int64_t>{1, 1, 1, 2}));
}

TEST(SetHistory, SystemCountsItsBestTicketOncePerDraw) {
    const SystemRecord system =
        ScoreSystem({{1, 2, 3, 4, 5, 6}, {1, 2, 3, 40, 41, 42}}, kDraws, {0, kDraws.size()});
    // Best tickets: 6, 6, 3, 0, 5, 4, 0.
    EXPECT_EQ(system.bestHits, (std::array<std::int64_t, 4>{1, 1, 1, 2}));
    EXPECT_EQ(system.paidDraws, 5);
}

TEST(SetHistory, ExpectationIsTheExactChancePerTicketAndDraw) {
    const auto expected = ExpectedHits(13983816, 2);
    EXPECT_DOUBLE_EQ(expected[0], 2 * 246820.0);
    EXPECT_DOUBLE_EQ(expected[3], 2.0);
    EXPECT_EQ(kHitWays[0] + kHitWays[1] + kHitWays[2] + kHitWays[3] + 13723192, kAllSets);
}

}  // namespace
}  // namespace kulko::test
