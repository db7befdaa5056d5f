#pragma once

#include <string>
#include <vector>

#include "stats/number_counts.hpp"

namespace kulko {

// The frequency view's 49 lines, number 1 first, in number order whatever
// the counts: "Liczba 7   wypadała 112 razy". UTF-8.
std::vector<std::string> FrequencyLines(const NumberCounts& counts);

}  // namespace kulko
