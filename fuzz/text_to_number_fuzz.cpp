// The whole-number conversion of every number read from text.
#include <algorithm>
#include <charconv>
#include <climits>
#include <cstdint>
#include <string>

#include "text/text_to_number.hpp"
#include "fuzz_support.hpp"

using namespace kulko;

namespace {

bool IsDecimalDigits(std::string_view s) {
    return !s.empty() && s.find_first_not_of("0123456789") == std::string_view::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = fuzz::AsText(data, size);
    const NumberConversion result = TextToNumber(text);

    // Blanks in front change nothing.
    const NumberConversion padded = TextToNumber("  " + std::string(text));
    fuzz::Require(padded.value == result.value && padded.stoppedEarly == result.stoppedEarly,
                  "leading blanks changed the result");

    if (result.stoppedEarly) {
        // The value read so far is given without its sign.
        fuzz::Require(result.value >= 0, "stopped conversion kept a sign");
        return 0;
    }
    // A complete conversion stops once something follows, and then keeps
    // only the size of the value (which for the lowest value is one more
    // than a 32-bit value holds, so it stays at the highest).
    const NumberConversion followed = TextToNumber(std::string(text) + ";");
    fuzz::Require(followed.stoppedEarly, "a trailing ';' was taken as a digit");
    const std::int64_t magnitude =
        result.value < 0 ? -static_cast<std::int64_t>(result.value) : result.value;
    fuzz::Require(followed.value == std::min<std::int64_t>(magnitude, INT32_MAX),
                  "a trailing ';' changed the value");

    // Plain decimal digits read as the standard conversion reads them.
    std::string_view digits = text.substr(std::min(text.find_first_not_of(' '), text.size()));
    bool negative = false;
    if (!digits.empty() && (digits[0] == '-' || digits[0] == '+')) {
        negative = digits[0] == '-';
        digits.remove_prefix(1);
    }
    if (IsDecimalDigits(digits) && !(digits.size() > 1 && (digits[1] == 'x' || digits[1] == 'X'))) {
        std::int64_t expected = 0;
        const auto [end, error] =
            std::from_chars(digits.data(), digits.data() + digits.size(), expected);
        fuzz::Require(error == std::errc() && end == digits.data() + digits.size(),
                      "complete conversion of digits the standard one refuses");
        fuzz::Require((negative ? -expected : expected) == result.value, "decimal value differs");
    }
    return 0;
}
