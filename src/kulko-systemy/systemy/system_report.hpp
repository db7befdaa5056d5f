#pragma once

#include <string>

#include "systemy/page_controls.hpp"
#include "wheels/system_build.hpp"

namespace kulko {

// What is said of a system found, in the window and on the command line.

// "System 3 z 3 z 22 liczb: 77 zakładów (najmniejszy znany: 77,
// optymalny). Dolna granica: ... Gwarancja sprawdzona we wszystkich ...
// układach ...".
std::string SystemSummary(const BuiltSystem& system, NumberBits numbers, Guarantee guarantee);

// The best hits for 3 to 6 drawn numbers among the chosen ones.
TextTable BestHitsTable(const BestHits& hits);

// The odds of one draw, beside those of as many random tickets.
TextTable OddsTable(const DrawOdds& odds);

// What a system does not do.
inline constexpr const char* kSpreadNote =
    "System rozkłada szanse między zakłady, ale nie zwiększa oczekiwanej liczby wygranych na "
    "zakład: tyle samo losowych zakładów wygrywa średnio tyle samo.";

}  // namespace kulko
