#pragma once

#include <string>

#include "ledger/ledger_file.hpp"

namespace kulko {

// The sum of the amounts in entry order, each read with the real-number
// conversion and added in double precision.
double LedgerTotal(const Ledger& ledger);

// The total with exactly two decimals and "." as the point, whatever the
// user's locale: "0.00", "12.50", "-3.00".
std::string TotalText(double total);

}  // namespace kulko
