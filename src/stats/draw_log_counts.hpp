#pragma once

#include <filesystem>

#include "stats/number_counts.hpp"

namespace kulko {

// How often each number 1 to 49 stands in the draw log.
// Every field of every line counts: the line gets one ";" appended, is cut
// at each ";" and each field is converted like a results token. Values
// outside 1 to 49 have no counter and are skipped. Index n - 1.
// Throws InOutError when the file cannot be read.
NumberCounts CountDrawLogNumbers(const std::filesystem::path& drawLogFile);

}  // namespace kulko
