#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "analyses/draw_history.hpp"

namespace kulko {

// A pair or triple of numbers and how many tested draws held all of it.
struct Combination {
    std::array<int, 3> numbers{};  // a pair leaves the third 0
    std::int64_t count = 0;
};

// The runs of every number over the tested draws (six distinct numbers 1 to
// 49; others are left out), oldest first.
struct NumberRuns {
    std::int64_t draws = 0;
    std::array<std::int64_t, kHighestNumber> total{};       // index n - 1
    std::array<std::int64_t, kHighestNumber> sinceLast{};   // draws since last drawn
    std::array<std::int64_t, kHighestNumber> longestGap{};  // longest absence
    std::array<std::int64_t, kHighestNumber> recent{};      // drawn in the last N draws
    std::vector<Combination> pairs;                         // all 1,176, most frequent first
    std::vector<Combination> triples;                       // all 18,424, most frequent first
};

NumberRuns CountNumberRuns(const std::vector<PastDraw>& draws, std::int64_t lastDraws);

// Chance alone: a given pair is in a draw with chance 15 / 1176, a triple
// with 20 / 18424, a number with 6 / 49.
double ExpectedNumberCount(std::int64_t draws);
double ExpectedPairCount(std::int64_t draws);
double ExpectedTripleCount(std::int64_t draws);

// The central band of the binomial count of a number over `draws` draws
// (chance 6 / 49 each) that holds at least `share` of the chance: the
// lowest and the highest count inside it.
struct ChanceBand {
    std::int64_t low = 0;
    std::int64_t high = 0;
};
ChanceBand BinomialBand(std::int64_t draws, double share = 0.95);

}  // namespace kulko
