#include "text/polish_text.hpp"

#include <cmath>
#include <cstdio>

namespace kulko {

std::string Counted(std::uint64_t n, const char* one, const char* few, const char* many) {
    const std::uint64_t tens = n % 100;
    const char* form = many;
    if (n == 1) {
        form = one;
    } else if (n % 10 >= 2 && n % 10 <= 4 && (tens < 12 || tens > 14)) {
        form = few;
    }
    return WithThousands(n) + " " + form;
}

std::string WithThousands(std::uint64_t n) {
    std::string digits = std::to_string(n);
    for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3) {
        digits.insert(static_cast<std::size_t>(at), " ");
    }
    return digits;
}

std::string Decimal(double value, int places) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", places, value);
    std::string result = text;
    for (char& c : result) {
        if (c == '.') {
            c = ',';
        }
    }
    return result;
}

std::string Percent(double share) {
    const double percent = share * 100.0;
    if (percent == 0.0 || percent >= 1.0) {
        return Decimal(percent, 2) + "%";
    }
    // Three significant digits below one per cent.
    const int places = 2 - static_cast<int>(std::floor(std::log10(percent)));
    return Decimal(percent, places) + "%";
}

std::string OneIn(double chance) {
    if (chance <= 0.0) {
        return "–";
    }
    const double odds = 1.0 / chance;
    if (odds < 10.0) {
        return "1 : " + Decimal(odds, 1);
    }
    return "1 : " + WithThousands(static_cast<std::uint64_t>(std::llround(odds)));
}

std::string Zloty(std::int64_t grosze) {
    const std::string sign = grosze < 0 ? "-" : "";
    const auto magnitude = static_cast<std::uint64_t>(grosze < 0 ? -grosze : grosze);
    const std::uint64_t rest = magnitude % 100;
    return sign + WithThousands(magnitude / 100) + "," + (rest < 10 ? "0" : "") +
           std::to_string(rest) + " zł";
}

}  // namespace kulko
