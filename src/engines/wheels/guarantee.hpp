#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kulko {

// What a system promises: when m of the drawn numbers are among the chosen
// ones, at least one ticket hits t of them. "6 z 6" asks for every six of
// the chosen numbers: the full system.
struct Guarantee {
    int t = 3;
    int m = 6;
    bool operator==(const Guarantee&) const = default;
    bool Full() const { return t == 6; }
};

inline constexpr int kTicketSize = 6;
inline constexpr int kLowestGuaranteedHit = 3;
inline constexpr Guarantee kFullSystem{6, 6};

// Whether 3 <= t <= m <= 6.
bool Fits(Guarantee guarantee);

// Every guarantee a system can be built for, from "3 z 3" to "5 z 6", and
// the full system last.
std::vector<Guarantee> AllGuarantees();

// "3 z 6"; "pełny system" for the full system.
std::string GuaranteeName(Guarantee guarantee);
// "3z6": the form of the command line and of the shipped table.
std::string GuaranteeKey(Guarantee guarantee);
// The promise in words.
std::string GuaranteeMeaning(Guarantee guarantee);

// Reads "3z6", "3 z 6" or "3Z6" (not checked to fit).
std::optional<Guarantee> ParseGuarantee(std::string_view text);

}  // namespace kulko
