#include "wheels/draw_odds.hpp"

#include <cmath>

#include "game/number_set.hpp"
#include "game/subset_rank.hpp"

namespace kulko {
namespace {

// Draws in which one ticket has exactly i hits: C(6, i) C(43, 6 - i).
std::uint64_t DrawsWithHits(int i) {
    return std::uint64_t{Binomial(kNumbersPerDraw, i)} *
           Binomial(kHighestNumber - kNumbersPerDraw, kNumbersPerDraw - i);
}

}  // namespace

std::uint64_t AllDraws() {
    return Binomial(kHighestNumber, kNumbersPerDraw);
}

DrawOdds OddsOfOneDraw(const BestHits& hits, int v, std::uint64_t tickets) {
    const auto all = static_cast<double>(AllDraws());
    DrawOdds odds;
    for (int tier = 0; tier < 4; ++tier) {
        TierOdds& t = odds.tiers[static_cast<std::size_t>(tier)];
        t.hits = 3 + tier;
        // A draw puts j of its numbers among the chosen ones in
        // C(49 - v, 6 - j) ways for each set of j chosen numbers.
        for (int j = t.hits; j <= kNumbersPerDraw; ++j) {
            for (int h = t.hits; h <= kNumbersPerDraw; ++h) {
                t.systemDraws +=
                    hits.sets[static_cast<std::size_t>(j)][static_cast<std::size_t>(h)] *
                    Binomial(kHighestNumber - v, kNumbersPerDraw - j);
            }
        }
        t.systemChance = static_cast<double>(t.systemDraws) / all;
        std::uint64_t oneTicket = 0;
        for (int i = t.hits; i <= kNumbersPerDraw; ++i) {
            oneTicket += DrawsWithHits(i);
        }
        // 1 - (1 - p)^n, without losing the small p to rounding.
        t.randomChance = -std::expm1(static_cast<double>(tickets) *
                                     std::log1p(-static_cast<double>(oneTicket) / all));
        t.expectedWinners =
            static_cast<double>(tickets) * static_cast<double>(DrawsWithHits(t.hits)) / all;
    }
    return odds;
}

}  // namespace kulko
