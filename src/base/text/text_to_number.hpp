#pragma once

#include <cstdint>
#include <string_view>

#include "text/digits.hpp"

namespace kulko {

struct NumberConversion {
    std::int32_t value = 0;
    // True when the conversion met a character that does not fit (or the
    // text held no digits at all). Only the date check looks at it.
    bool stoppedEarly = false;
};

namespace detail {
// The conversion in full, every form of number.
NumberConversion ConvertTextToNumber(std::string_view text);
}  // namespace detail

// The whole-number conversion used for every number read from text:
// leading blanks, an optional sign, "$", "x", "X", "0x" or "0X" for
// hexadecimal, then digits. It stops at the first unfitting character and
// returns what it read so far, without the sign in that case.
inline NumberConversion TextToNumber(std::string_view text) {
    // Nearly every number read is one to nine decimal digits and nothing
    // else, which cannot leave the 32-bit range: those are taken here in one
    // go, without a call.
    if (!text.empty() && text.size() <= 9) {
        std::int32_t value = 0;
        std::size_t pos = 0;
        for (; pos < text.size() && IsDigit(text[pos]); ++pos) {
            value = value * 10 + (text[pos] - '0');
        }
        if (pos == text.size()) {
            return {value, false};
        }
    }
    return detail::ConvertTextToNumber(text);
}

inline std::int32_t TextToNumberValue(std::string_view text) {
    return TextToNumber(text).value;
}

}  // namespace kulko
