#pragma once

#include <cstdint>
#include <string_view>

namespace kulko {

struct NumberConversion {
    std::int32_t value = 0;
    // True when the conversion met a character that does not fit (or the
    // text held no digits at all). Only the date check looks at it.
    bool stoppedEarly = false;
};

// The whole-number conversion used for every number read from text:
// leading blanks, an optional sign, "$", "x", "X", "0x" or "0X" for
// hexadecimal, then digits. It stops at the first unfitting character and
// returns what it read so far, without the sign in that case.
NumberConversion TextToNumber(std::string_view text);

inline std::int32_t TextToNumberValue(std::string_view text) {
    return TextToNumber(text).value;
}

}  // namespace kulko
