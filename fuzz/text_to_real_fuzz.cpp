// The real-number conversion of ledger amounts and version notes, and the
// total shown under the ledger.
#include <cerrno>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "text/real_number.hpp"
#include "fuzz_support.hpp"
#include "ledger/ledger_total.hpp"

using namespace kulko;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(fuzz::AsText(data, size));
    const RealConversion result = TextToReal(text);
    fuzz::Require(!std::isnan(result.value), "conversion gave NaN");
    if (!result.accepted) {
        fuzz::Require(result.value == 0.0, "refused text gave a value");
    } else if (text.find_first_not_of(' ') != std::string::npos) {
        // The accepted form is a part of what strtod takes in the C locale,
        // and both round correctly; compare where neither leaves the range.
        errno = 0;
        char* end = nullptr;
        const double expected = std::strtod(text.c_str(), &end);
        const bool inRange = errno != ERANGE;
        fuzz::Require(*end == '\0', "accepted text that strtod does not read whole");
        if (inRange && std::isnormal(expected)) {
            fuzz::Require(expected == result.value, "value differs from strtod");
        }
    }
    // Totals of any value print in fixed form, within their buffer.
    const std::string total = TotalText(result.value);
    fuzz::Require(!total.empty(), "empty total");
    const std::string sum = TotalText(result.value + result.value);
    fuzz::Require(!sum.empty(), "empty total of two");
    return 0;
}
