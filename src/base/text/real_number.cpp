#include "text/real_number.hpp"

#include <charconv>
#include <cmath>
#include <string>

#include "text/digits.hpp"

namespace kulko {
namespace {

// Checks the accepted form strictly, so that from_chars never sees "inf",
// "nan", hexadecimal floats or anything else it would take.
bool InAcceptedForm(std::string_view s) {
    std::size_t pos = 0;
    if (pos < s.size() && (s[pos] == '+' || s[pos] == '-')) {
        ++pos;
    }
    bool digits = false;
    bool point = false;
    while (pos < s.size() && (IsDigit(s[pos]) || (s[pos] == '.' && !point))) {
        if (s[pos] == '.') {
            point = true;
        } else {
            digits = true;
        }
        ++pos;
    }
    if (!digits) {
        return false;
    }
    if (pos < s.size() && (s[pos] == 'e' || s[pos] == 'E')) {
        ++pos;
        if (pos < s.size() && (s[pos] == '+' || s[pos] == '-')) {
            ++pos;
        }
        bool expDigits = false;
        while (pos < s.size() && IsDigit(s[pos])) {
            expDigits = true;
            ++pos;
        }
        if (!expDigits) {
            return false;
        }
    }
    return pos == s.size();
}

}  // namespace

RealConversion TextToReal(std::string_view text) {
    std::size_t start = 0;
    while (start < text.size() && text[start] == ' ') {
        ++start;
    }
    std::string_view s = text.substr(start);
    if (s.empty()) {
        return {};
    }
    if (!InAcceptedForm(s)) {
        return {0.0, false};
    }
    // from_chars takes no leading "+".
    bool negative = false;
    if (s.front() == '+' || s.front() == '-') {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    double value = 0.0;
    const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (error == std::errc::result_out_of_range) {
        // An exponent beyond the double range: the nearest representable end.
        const bool tiny = s.find_first_of("eE") != std::string_view::npos &&
                          s.find('-', s.find_first_of("eE")) != std::string_view::npos;
        value = tiny ? 0.0 : HUGE_VAL;
    } else if (error != std::errc()) {
        return {0.0, false};
    }
    return {negative ? -value : value, true};
}

}  // namespace kulko
