#pragma once

#include <optional>
#include <string_view>

#include "results/date_key.hpp"

namespace kulko {

// A date written "A/B/YYYY": day and month in an order that only the whole
// input can tell.
struct SlashDate {
    int first = 0;
    int second = 0;
    int year = 0;
};

// What one word of an input line says as a date.
struct DateToken {
    enum class Kind {
        NotADate,     // no digits with a separator inside: a number, a name, nothing
        Date,         // key holds the date
        Slash,        // slash holds the parts; key is 0 until the input is read
        NoSuchDay,    // a known form, but no day of the calendar ("29.02.2026")
        UnknownForm,  // digits and separators, but in no known form ("06.01.26")
    };
    Kind kind = Kind::NotADate;
    DateKey key = 0;
    SlashDate slash{};
};

// Reads the forms published lists use: "DD.MM.YYYY" and "D.M.YYYY" (also
// with "-"), "YYYY-MM-DD", "YYYY/MM/DD" and "YYYY.MM.DD", each of the
// year-first forms also followed by a time ("2025-10-07T00:00:00"), and
// "A/B/YYYY".
DateToken ReadDateToken(std::string_view word);

// The key of a day of the calendar, or nothing.
std::optional<DateKey> CalendarDay(int year, int month, int day);

// The forms ReadDateToken takes, for the messages that refuse a date.
inline constexpr const char* kDateForms =
    "daty mogą mieć postać 06.01.2026, 6.1.2026, 2026-01-06, 2026/01/06, "
    "2026-01-06T00:00:00 albo 06/01/2026";

// A time of day written after a date ("20:45" or "00:00:00").
bool IsTimeOfDay(std::string_view word);

}  // namespace kulko
