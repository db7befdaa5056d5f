#pragma once

#include "results/draw_summary.hpp"

namespace kulko {

// What the start-up read of the results file left for the generator. It is
// taken once per run and never refreshed, unlike the history itself.
struct StartupStatistics {
    int mostFrequentNumber = 0;   // 0 when the read stopped at a damaged line
    int leastFrequentNumber = 0;  // likewise
    int lowNumberTotal = 0;       // drawn numbers below 25
    int highNumberTotal = 0;      // drawn numbers 25 and above
    RecentDrawTable recentDraws{};
};

}  // namespace kulko
