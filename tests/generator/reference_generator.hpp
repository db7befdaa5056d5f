#pragma once

#include <cstdint>
#include <filesystem>
#include <string_view>

#include "game/number_set.hpp"
#include "generator/generator_options.hpp"
#include "generator/startup_statistics.hpp"

namespace kulko::test {

// A plain, step-by-step rendering of a press of "Losuj" that draws at
// random, kept to check the fast generator against it and to time it
// against: at every attempt that reaches the history test it opens the
// results file again and reads it record by record, comparing pair by pair,
// up to the first record that rejects the candidate.
struct ReferenceOutcome {
    bool accepted = false;
    NumberSet set{};
    int attempts = 0;
};

ReferenceOutcome ReferencePress(const GeneratorOptions& options,
                                const StartupStatistics& statistics,
                                const std::filesystem::path& resultsFile, std::uint32_t seed);

// Whether one results line rejects the candidate under the mode, compared
// pair by pair and shift by shift.
bool ReferenceRecordRejects(DrawMode mode, const NumberSet& candidate, std::string_view line);

}  // namespace kulko::test
