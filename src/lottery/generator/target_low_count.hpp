#pragma once

namespace kulko {

// How many low numbers (below 25) a set must hold under "jak w statystyce":
// the low count whose reference value lies nearest to the ratio of low to
// high numbers in the history, the larger count on a tie.
int TargetLowCount(int lowNumberTotal, int highNumberTotal);

}  // namespace kulko
