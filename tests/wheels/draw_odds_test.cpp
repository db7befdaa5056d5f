// The hit table and the odds of one draw against exact combinatorial values.
#include "wheels/draw_odds.hpp"

#include <gtest/gtest.h>

#include "game/subset_rank.hpp"
#include "wheels/best_hits.hpp"
#include "wheels/subsets.hpp"

namespace kulko::test {
namespace {

std::uint64_t C(int n, int k) {
    return Binomial(n, k);
}

Tickets FullSystemOf(int v) {
    Tickets tickets;
    ForEachSubset(AllPositions(v), 6, [&](NumberBits t) { tickets.push_back(t); });
    return tickets;
}

TEST(DrawOdds, FullSystemOfSevenAndOneTicketHaveTheExactOdds) {
    // The full system of 7 numbers wins at least r exactly when r or more of
    // the drawn numbers are among the 7; one ticket when r or more of its 6.
    for (const int v : {7, 6}) {
        SCOPED_TRACE(v);
        const Tickets tickets = v == 7 ? FullSystemOf(7) : Tickets{AllPositions(6)};
        const DrawOdds odds = OddsOfOneDraw(CountBestHits(tickets, v), v, tickets.size());
        for (const TierOdds& tier : odds.tiers) {
            std::uint64_t draws = 0;
            for (int j = tier.hits; j <= 6; ++j) {
                draws += C(v, j) * C(49 - v, 6 - j);
            }
            EXPECT_EQ(tier.systemDraws, draws) << tier.hits;
            EXPECT_DOUBLE_EQ(tier.systemChance, static_cast<double>(draws) / 13983816.0);
            const double exactly =
                static_cast<double>(C(6, tier.hits) * C(43, 6 - tier.hits)) / 13983816.0;
            EXPECT_NEAR(tier.expectedWinners, static_cast<double>(tickets.size()) * exactly, 1e-15);
        }
        if (v == 6) {
            // One random ticket is one ticket.
            for (const TierOdds& tier : odds.tiers) {
                EXPECT_NEAR(tier.randomChance, tier.systemChance, 1e-15);
            }
        }
    }
    EXPECT_EQ(AllDraws(), 13983816u);
}

TEST(BestHits, CountsEverySetOfDrawnNumbersOnce) {
    // Two disjoint tickets on 12 numbers: j drawn split between the halves,
    // the best ticket holds the larger part.
    const Tickets halves = {AllPositions(6), AllPositions(12) & ~AllPositions(6)};
    const BestHits hits = CountBestHits(halves, 12);
    for (int j = 0; j <= 6; ++j) {
        std::uint64_t all = 0;
        for (int h = 0; h <= 6; ++h) {
            std::uint64_t expected = 0;
            for (int a = 0; a <= j; ++a) {
                if (std::max(a, j - a) == h) {
                    expected += C(6, a) * C(6, j - a);
                }
            }
            EXPECT_EQ(hits.sets[j][h], expected) << j << " " << h;
            all += hits.sets[j][h];
        }
        EXPECT_EQ(all, C(12, j));
    }
    EXPECT_EQ(hits.Guaranteed(6), 3);
    EXPECT_EQ(hits.Guaranteed(5), 3);
    EXPECT_EQ(hits.Guaranteed(4), 2);
    EXPECT_DOUBLE_EQ(hits.Share(6, 6), 2.0 / static_cast<double>(C(12, 6)));
}

TEST(BestHits, TwoCoresCountAsOne) {
    // 30 numbers take the two-thread path; the counts must not depend on it.
    Tickets tickets;
    for (int i = 0; i <= 24; i += 4) {
        tickets.push_back(AllPositions(6) << i);
    }
    const BestHits hits = CountBestHits(tickets, 30);
    for (int j = 0; j <= 6; ++j) {
        std::uint64_t all = 0;
        for (int h = 0; h <= 6; ++h) {
            all += hits.sets[j][h];
        }
        EXPECT_EQ(all, C(30, j));
    }
    // Checked the plain way over the drawn sets of six.
    std::uint64_t withThree = 0;
    ForEachSubset(AllPositions(30), 6, [&](NumberBits drawn) {
        int best = 0;
        for (const NumberBits t : tickets) {
            best = std::max(best, CountBits(t & drawn));
        }
        withThree += best >= 3;
    });
    EXPECT_EQ(hits.sets[6][3] + hits.sets[6][4] + hits.sets[6][5] + hits.sets[6][6], withThree);
}

}  // namespace
}  // namespace kulko::test
