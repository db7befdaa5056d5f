#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kulko {

// The date of a draw as a number that orders dates: year * 10000 +
// month * 100 + day, so 27.01.1957 is 19570127.
using DateKey = int;

constexpr DateKey MakeDateKey(int year, int month, int day) {
    return year * 10000 + month * 100 + day;
}

// The key of a results line's date field "DD.MM.YYYY", its parts converted
// as numbers (the validating read makes sure they are); 0 for a field
// shorter than a date.
DateKey HistoryDateKey(std::string_view date);

// A date typed as DD.MM.RRRR, as the results file writes it; nothing for
// any other text.
std::optional<DateKey> DateOfText(const std::string& text);

// "DD.MM.YYYY" of a key.
std::string DateText(DateKey key);

}  // namespace kulko
