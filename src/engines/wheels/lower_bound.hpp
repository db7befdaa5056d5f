#pragma once

#include <cstdint>

#include "wheels/guarantee.hpp"
#include "wheels/targets.hpp"

namespace kulko {

// A size below which no system of the guarantee can exist for v numbers.
struct LowerBound {
    std::uint64_t tickets = 0;
    // Schönheim's bound, which holds where the guarantee asks for all t of
    // the m numbers (t = m); otherwise the count of targets over the most
    // one ticket can cover.
    bool schoenheim = false;
    // The full system is exactly as large as its bound.
    bool exact = false;
};

LowerBound SystemLowerBound(int v, Guarantee guarantee, Game game = {});

// How many tickets the full system of v numbers has: C(v, 6) in the lottery.
std::uint64_t FullSystemSize(int v, Game game = {});

}  // namespace kulko
