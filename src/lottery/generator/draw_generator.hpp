#pragma once

#include "game/number_set.hpp"
#include "generator/generator_options.hpp"
#include "generator/random_source.hpp"
#include "generator/results_history.hpp"
#include "generator/startup_statistics.hpp"

namespace kulko {

// Attempts one press may make before it gives up.
inline constexpr int kMaxDrawAttempts = 1000;

// Whether the first number of an attempt must be a given one.
bool HasForcing(DrawForcing forcing);
// The number it must be; 0 (no number) after a start-up read that stopped
// at a damaged line.
std::int32_t ForcedNumber(const GeneratorOptions& options, const StartupStatistics& statistics);

struct DrawOutcome {
    bool accepted = false;
    NumberSet set{};  // ascending, when accepted
};

// One press of "Losuj" that draws at random: candidates from the random
// source, each tested by the forcing, the bias, the history, the condition
// and the newest draws, until one passes or 1000 attempts have failed.
// "6 liczb minimalnych" is the minimum search and never comes here; its
// forcing tests nothing in this loop.
// attempts counts the attempts as they are made: after the press it holds
// the accepted attempt, or 1001 after a failure. Throws InOutError when the
// history cannot be read, and attempts then holds the attempt that needed it.
DrawOutcome DrawRandomSet(const GeneratorOptions& options, const StartupStatistics& statistics,
                          ResultsHistory& history, RandomSource& random, int& attempts);

}  // namespace kulko
