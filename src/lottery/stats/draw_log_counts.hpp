#pragma once

#include <filesystem>
#include <string_view>

#include "stats/number_counts.hpp"

namespace kulko {

// How often each number 1 to 49 stands in the draw log.
// Every field of every line counts: the line gets one ";" appended, is cut
// at each ";" and each field is converted like a results token. Values
// outside 1 to 49 have no counter and are skipped. Index n - 1.
// Throws InOutError when the file cannot be read.
NumberCounts CountDrawLogNumbers(const std::filesystem::path& drawLogFile);

// Counts the fields of the draw log lines in `text` (whole lines, the
// Ctrl-Z and what follows it already cut off).
void TallyDrawLogText(std::string_view text, NumberTally& tally);

}  // namespace kulko
