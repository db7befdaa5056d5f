#include "results/date_key.hpp"

#include <cstdio>

#include "results/results_line.hpp"
#include "text/text_to_number.hpp"

namespace kulko {

DateKey HistoryDateKey(std::string_view date) {
    if (date.size() < kDateLength) {
        return 0;
    }
    return MakeDateKey(TextToNumberValue(date.substr(6, 4)), TextToNumberValue(date.substr(3, 2)),
                       TextToNumberValue(date.substr(0, 2)));
}

std::optional<DateKey> DateOfText(const std::string& text) {
    if (text.size() != kDateLength || !IsDateWellFormed(text)) {
        return std::nullopt;
    }
    return HistoryDateKey(text);
}

std::string DateText(DateKey key) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d.%02d.%04d", key % 100, key / 100 % 100, key / 10000);
    return text;
}

}  // namespace kulko
