#pragma once

#include "game/number_set.hpp"
#include "stats/number_counts.hpp"

namespace kulko {

// The six numbers drawn least often, ascending. Among numbers drawn equally
// often the smaller one comes first, so the result involves no chance.
NumberSet SixLeastDrawn(const NumberCounts& counts);

}  // namespace kulko
