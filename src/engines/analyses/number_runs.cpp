#include "analyses/number_runs.hpp"

#include <algorithm>
#include <cmath>

namespace kulko {
namespace {

constexpr std::size_t kNumbers = kHighestNumber;

// Pair (a, b) and triple (a, b, c), numbers 0 to 48 ascending, as one index.
std::size_t PairIndex(int a, int b) {
    return static_cast<std::size_t>(a * 49 + b);
}
std::size_t TripleIndex(int a, int b, int c) {
    return static_cast<std::size_t>((a * 49 + b) * 49 + c);
}

// The combinations of the table that can occur (ascending), most frequent
// first, equal counts in the order of their numbers.
std::vector<Combination> Sorted(std::vector<Combination> list) {
    std::stable_sort(list.begin(), list.end(),
                     [](const Combination& x, const Combination& y) { return x.count > y.count; });
    return list;
}

}  // namespace

NumberRuns CountNumberRuns(const std::vector<PastDraw>& draws, std::int64_t lastDraws) {
    NumberRuns runs;
    std::vector<std::int64_t> pairCounts(kNumbers * kNumbers, 0);
    std::vector<std::int64_t> tripleCounts(kNumbers * kNumbers * kNumbers, 0);
    std::vector<NumberSet> tested;
    for (const PastDraw& draw : draws) {
        NumberSet set{};
        if (AsGameSet(draw.numbers, set)) {
            tested.push_back(set);
        }
    }
    runs.draws = static_cast<std::int64_t>(tested.size());
    std::array<std::int64_t, kNumbers> lastSeen{};  // 1-based draw, 0 never
    for (std::size_t i = 0; i < tested.size(); ++i) {
        const NumberSet& set = tested[i];
        const auto at = static_cast<std::int64_t>(i) + 1;
        const bool inLast = runs.draws - at < lastDraws;
        for (std::size_t x = 0; x < set.size(); ++x) {
            const auto n = static_cast<std::size_t>(set[x] - 1);
            ++runs.total[n];
            runs.recent[n] += inLast ? 1 : 0;
            runs.longestGap[n] = std::max(runs.longestGap[n], at - lastSeen[n] - 1);
            lastSeen[n] = at;
            for (std::size_t y = x + 1; y < set.size(); ++y) {
                ++pairCounts[PairIndex(set[x] - 1, set[y] - 1)];
                for (std::size_t z = y + 1; z < set.size(); ++z) {
                    ++tripleCounts[TripleIndex(set[x] - 1, set[y] - 1, set[z] - 1)];
                }
            }
        }
    }
    for (std::size_t n = 0; n < kNumbers; ++n) {
        runs.sinceLast[n] = runs.draws - lastSeen[n];
        runs.longestGap[n] = std::max(runs.longestGap[n], runs.sinceLast[n]);
    }
    for (int a = 0; a < kHighestNumber; ++a) {
        for (int b = a + 1; b < kHighestNumber; ++b) {
            runs.pairs.push_back({{a + 1, b + 1, 0}, pairCounts[PairIndex(a, b)]});
            for (int c = b + 1; c < kHighestNumber; ++c) {
                runs.triples.push_back({{a + 1, b + 1, c + 1}, tripleCounts[TripleIndex(a, b, c)]});
            }
        }
    }
    runs.pairs = Sorted(std::move(runs.pairs));
    runs.triples = Sorted(std::move(runs.triples));
    return runs;
}

double ExpectedNumberCount(std::int64_t draws) {
    return static_cast<double>(draws) * 6.0 / 49.0;
}

double ExpectedPairCount(std::int64_t draws) {
    return static_cast<double>(draws) * 15.0 / 1176.0;
}

double ExpectedTripleCount(std::int64_t draws) {
    return static_cast<double>(draws) * 20.0 / 18424.0;
}

ChanceBand BinomialBand(std::int64_t draws, double share) {
    // The probabilities of counts 0 to draws, from their logarithms, summed
    // from each end until the tail outside the band would exceed its half.
    const double p = 6.0 / 49.0;
    const double tail = (1.0 - share) / 2.0;
    const auto probability = [&](std::int64_t k) {
        const double n = static_cast<double>(draws);
        const double kk = static_cast<double>(k);
        return std::exp(std::lgamma(n + 1) - std::lgamma(kk + 1) - std::lgamma(n - kk + 1) +
                        kk * std::log(p) + (n - kk) * std::log1p(-p));
    };
    ChanceBand band{0, draws};
    for (double below = probability(0); below <= tail && band.low < draws;
         below += probability(++band.low)) {
    }
    for (double above = probability(draws); above <= tail && band.high > 0;
         above += probability(--band.high)) {
    }
    return band;
}

}  // namespace kulko
