#pragma once

#include <string>
#include <string_view>

#include "ledger/ledger_file.hpp"

namespace kulko {

// The value of one amount text (Windows-1250 bytes, as stored): the decimal
// form of the real-number conversion, also written the Polish way: a comma as
// the decimal point where the text has no "." ("12,50"), and the currency
// word "zł" at the end, with or without blanks before it ("10 zł"). Any other
// text is 0.
double AmountValue(std::string_view amount);

// The sum of the amounts' values in entry order, added in double precision.
double LedgerTotal(const Ledger& ledger);

// The total with exactly two decimals and "." as the point, whatever the
// user's locale: "0.00", "12.50", "-3.00".
std::string TotalText(double total);

}  // namespace kulko
