#include "ledger/ledger_total.hpp"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "text/real_number.hpp"

namespace kulko {
namespace {

constexpr std::string_view kZloty = "z\xB3";  // "zł" in Windows-1250

}  // namespace

double AmountValue(std::string_view amount) {
    std::string text(amount);
    if (text.ends_with(kZloty)) {
        text.resize(text.size() - kZloty.size());
        while (!text.empty() && text.back() == ' ') {
            text.pop_back();
        }
    }
    // Where the text has a ".", that is the point and a comma spoils the
    // number ("1.234,50" stays 0); otherwise a comma stands for the point.
    // A second comma spoils it just as a second point would.
    if (text.find('.') == std::string::npos) {
        std::replace(text.begin(), text.end(), ',', '.');
    }
    return TextToReal(text).value;
}

double LedgerTotal(const Ledger& ledger) {
    double total = 0.0;
    for (const LedgerEntry& entry : ledger) {
        // The amounts are free text: one in no form the value reads adds
        // nothing, and no message is shown for it.
        total += AmountValue(entry.amount);
    }
    return total;
}

std::string TotalText(double total) {
    if (!std::isfinite(total)) {
        // Only reachable with amounts like "1e308" summed past the double
        // range; shown plainly rather than as digits of nothing.
        return std::isnan(total) ? "NAN" : (total > 0 ? "INF" : "-INF");
    }
    // A total that rounds to zero shows without a sign ("-0.00" would read oddly).
    if (std::fabs(total) < 0.005) {
        total = 0.0;
    }
    char buffer[400];
    const auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, total, std::chars_format::fixed, 2);
    if (error != std::errc()) {
        return "0.00";
    }
    return std::string(buffer, end);
}

}  // namespace kulko
