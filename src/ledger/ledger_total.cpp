#include "ledger/ledger_total.hpp"

#include <charconv>
#include <cmath>

#include "text/real_number.hpp"

namespace kulko {

double LedgerTotal(const Ledger& ledger) {
    double total = 0.0;
    for (const LedgerEntry& entry : ledger) {
        // An amount not in the accepted form ("2,50", "10 zł") converts to 0
        // and so adds nothing; the amounts are free text and no message is
        // shown for them.
        total += TextToReal(entry.amount).value;
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
