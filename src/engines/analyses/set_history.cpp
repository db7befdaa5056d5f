#include "analyses/set_history.hpp"

#include <algorithm>

namespace kulko {
namespace {

// Each tested draw of the range as a mask of its numbers, with its date;
// draws without six distinct numbers 1 to 49 are not tested.
template <typename Visit>
void ForEachGameDraw(const std::vector<PastDraw>& draws, DrawRange range, Visit&& visit) {
    for (std::size_t i = range.first; i < range.last && i < draws.size(); ++i) {
        NumberSet set{};
        if (AsGameSet(draws[i].numbers, set)) {
            visit(NumberSetMask(set), draws[i].date);
        }
    }
}

}  // namespace

SetRecord ScoreSet(const NumberSet& set, const std::vector<PastDraw>& draws, DrawRange range) {
    SetRecord record;
    const NumberBits mask = NumberSetMask(set);
    std::int64_t drought = 0;
    ForEachGameDraw(draws, range, [&](NumberBits drawn, DateKey date) {
        ++record.draws;
        const int hits = CountBits(mask & drawn);
        if (hits >= 3) {
            ++record.hits[static_cast<std::size_t>(hits - 3)];
            record.lastWin = date;
            drought = 0;
        } else {
            record.longestDrought = std::max(record.longestDrought, ++drought);
        }
    });
    return record;
}

std::array<double, 4> ExpectedHits(std::int64_t draws, std::int64_t tickets) {
    std::array<double, 4> expected{};
    for (std::size_t k = 0; k < expected.size(); ++k) {
        expected[k] = static_cast<double>(draws) * static_cast<double>(tickets) *
                      static_cast<double>(kHitWays[k]) / static_cast<double>(kAllSets);
    }
    return expected;
}

SystemRecord ScoreSystem(const std::vector<NumberSet>& tickets, const std::vector<PastDraw>& draws,
                         DrawRange range) {
    std::vector<NumberBits> masks;
    for (const NumberSet& ticket : tickets) {
        masks.push_back(NumberSetMask(ticket));
    }
    SystemRecord record;
    ForEachGameDraw(draws, range, [&](NumberBits drawn, DateKey) {
        ++record.draws;
        int best = 0;
        for (NumberBits mask : masks) {
            best = std::max(best, CountBits(mask & drawn));
        }
        if (best >= 3) {
            ++record.bestHits[static_cast<std::size_t>(best - 3)];
            ++record.paidDraws;
        }
    });
    return record;
}

std::vector<std::int64_t> CumulativeWins(const NumberSet& set, const std::vector<PastDraw>& draws,
                                         DrawRange range) {
    return CumulativeWins(std::vector<NumberSet>{set}, draws, range, WinCount::EverySet);
}

std::vector<std::int64_t> CumulativeWins(const std::vector<NumberSet>& sets,
                                         const std::vector<PastDraw>& draws, DrawRange range,
                                         WinCount count) {
    std::vector<NumberBits> masks;
    for (const NumberSet& set : sets) {
        masks.push_back(NumberSetMask(set));
    }
    std::vector<std::int64_t> wins;
    std::int64_t total = 0;
    ForEachGameDraw(draws, range, [&](NumberBits drawn, DateKey) {
        std::int64_t winners = 0;
        for (NumberBits mask : masks) {
            winners += CountBits(mask & drawn) >= 3 ? 1 : 0;
        }
        total += count == WinCount::PaidDraws ? std::min<std::int64_t>(winners, 1) : winners;
        wins.push_back(total);
    });
    return wins;
}

double WinChance() {
    std::int64_t ways = 0;
    for (std::int64_t w : kHitWays) {
        ways += w;
    }
    return static_cast<double>(ways) / static_cast<double>(kAllSets);
}

}  // namespace kulko
