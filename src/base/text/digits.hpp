#pragma once

#include <algorithm>
#include <string_view>

namespace kulko {

// A decimal digit "0" to "9", whatever the process locale says.
constexpr bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// A text of one or more decimal digits and nothing else.
constexpr bool AllDigits(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), IsDigit);
}

}  // namespace kulko
