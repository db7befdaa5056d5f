#pragma once

#include <array>
#include <filesystem>

#include "game/number_set.hpp"

namespace kulko {

// How often each number 1 to 49 stands among the number tokens of the
// results file (every token of every line, after the second ";"). Values
// outside 1 to 49 have no counter and are skipped. Index n - 1.
using NumberCounts = std::array<int, kHighestNumber>;

// Throws InOutError when the file cannot be read.
NumberCounts CountResultsNumbers(const std::filesystem::path& resultsFile);

}  // namespace kulko
