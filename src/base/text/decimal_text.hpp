#pragma once

#include <string>

namespace kulko {

// A number with a fixed count of decimal places and "." as the point, as
// the commands print figures for other programs to read.
std::string DecimalText(double value, int places);

// A chance as the commands print it: "." as the decimal point, ten places.
std::string ChanceText(double chance);

}  // namespace kulko
