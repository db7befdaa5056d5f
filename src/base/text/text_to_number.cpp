#include "text/text_to_number.hpp"

#include <cstdint>
#include <limits>

#include "text/digits.hpp"

namespace kulko {
namespace {

int DigitValue(char c, int base) {
    int digit = -1;
    if (IsDigit(c)) {
        digit = c - '0';
    } else if (base == 16 && c >= 'a' && c <= 'f') {
        digit = c - 'a' + 10;
    } else if (base == 16 && c >= 'A' && c <= 'F') {
        digit = c - 'A' + 10;
    }
    return digit;
}

}  // namespace

NumberConversion detail::ConvertTextToNumber(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && text[pos] == ' ') {
        ++pos;
    }
    bool negative = false;
    if (pos < text.size() && (text[pos] == '-' || text[pos] == '+')) {
        negative = text[pos] == '-';
        ++pos;
    }
    int base = 10;
    if (pos < text.size() && (text[pos] == '$' || text[pos] == 'x' || text[pos] == 'X')) {
        base = 16;
        ++pos;
    } else if (pos + 1 < text.size() && text[pos] == '0' &&
               (text[pos + 1] == 'x' || text[pos + 1] == 'X')) {
        base = 16;
        pos += 2;
    }

    // Accumulate in 64 bits and stop before the value leaves the 32-bit
    // range, so that a long run of digits can never overflow.
    const std::int64_t limit =
        negative ? -static_cast<std::int64_t>(std::numeric_limits<std::int32_t>::min())
                 : std::numeric_limits<std::int32_t>::max();
    std::int64_t value = 0;
    bool anyDigit = false;
    while (pos < text.size()) {
        const int digit = DigitValue(text[pos], base);
        if (digit < 0) {
            break;
        }
        const std::int64_t next = value * base + digit;
        if (next > limit) {
            break;
        }
        value = next;
        anyDigit = true;
        ++pos;
    }

    NumberConversion result;
    if (pos < text.size() || !anyDigit) {
        // Stopped early: the value read so far, without its sign.
        result.stoppedEarly = true;
        result.value = static_cast<std::int32_t>(value > std::numeric_limits<std::int32_t>::max()
                                                     ? std::numeric_limits<std::int32_t>::max()
                                                     : value);
        return result;
    }
    result.value = static_cast<std::int32_t>(negative ? -value : value);
    return result;
}

}  // namespace kulko
