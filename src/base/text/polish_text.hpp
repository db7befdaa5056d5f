#pragma once

#include <cstdint>
#include <string>

namespace kulko {

// How Polish says a count: "1 zakład", "2 zakłady", "5 zakładów", "22
// zakłady"; the forms for one, for two to four (but not twelve to
// fourteen) and for the rest.
std::string Counted(std::uint64_t n, const char* one, const char* few, const char* many);

// 38760 as "38 760".
std::string WithThousands(std::uint64_t n);

// A share as a percentage with a decimal comma, to as many places as its
// size needs to show: "20,97%", "0,0277%", "0,000107%".
std::string Percent(double share);

// A chance as "1 : 4,8" or "1 : 13 983 816"; "–" for none.
std::string OneIn(double chance);

// A real number with a decimal comma and the given places: "0,2648".
std::string Decimal(double value, int places);

// An amount of money in grosze as "45,00 zł".
std::string Zloty(std::int64_t grosze);

}  // namespace kulko
