#include "import/date_token.hpp"

#include <algorithm>
#include <array>

#include "text/digits.hpp"
#include "text/text_to_number.hpp"

namespace kulko {
namespace {

bool IsDateSeparator(char c) {
    return c == '.' || c == '-' || c == '/';
}

// The parts of "P1?P2?P3" with one separator character twice, each part
// one or more digits; nothing when the word has another shape.
struct Parts {
    std::array<std::string_view, 3> text;
    char separator = 0;
};

std::optional<Parts> SplitParts(std::string_view word) {
    Parts parts;
    const auto first = std::find_if(word.begin(), word.end(), IsDateSeparator);
    if (first == word.end()) {
        return std::nullopt;
    }
    parts.separator = *first;
    const std::size_t a = static_cast<std::size_t>(first - word.begin());
    const std::size_t b = word.find(parts.separator, a + 1);
    if (b == std::string_view::npos ||
        word.find(parts.separator, b + 1) != std::string_view::npos) {
        return std::nullopt;
    }
    parts.text = {word.substr(0, a), word.substr(a + 1, b - a - 1), word.substr(b + 1)};
    for (std::string_view part : parts.text) {
        if (!AllDigits(part)) {
            return std::nullopt;
        }
    }
    return parts;
}

DateToken FromParts(int year, int month, int day) {
    const std::optional<DateKey> key = CalendarDay(year, month, day);
    return key ? DateToken{DateToken::Kind::Date, *key, {}} : DateToken{DateToken::Kind::NoSuchDay};
}

// "T00:00:00", "T20:45:00Z", "T00:00:00+01:00" after a year-first date.
bool IsTimeSuffix(std::string_view rest) {
    return rest.size() > 1 && rest.front() == 'T' &&
           std::all_of(rest.begin() + 1, rest.end(), [](char c) {
               return IsDigit(c) || c == ':' || c == '.' || c == 'Z' || c == '+' || c == '-';
           });
}

}  // namespace

std::optional<DateKey> CalendarDay(int year, int month, int day) {
    constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1) {
        return std::nullopt;
    }
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    if (day > (month == 2 && leap ? 29 : kDays[month - 1])) {
        return std::nullopt;
    }
    return MakeDateKey(year, month, day);
}

bool IsTimeOfDay(std::string_view word) {
    const std::size_t colon = word.find(':');
    return colon != std::string_view::npos && colon > 0 && colon <= 2 &&
           std::all_of(word.begin(), word.end(), [](char c) { return IsDigit(c) || c == ':'; });
}

DateToken ReadDateToken(std::string_view word) {
    const bool startsWithDigit = !word.empty() && IsDigit(word.front());
    const bool hasSeparator = std::find_if(word.begin(), word.end(), IsDateSeparator) != word.end();
    // "7297." is a draw number with its dot, not a date.
    if (!startsWithDigit || !hasSeparator ||
        (word.back() == '.' && AllDigits(word.substr(0, word.size() - 1)))) {
        return {};
    }
    const std::size_t t = word.find('T');
    const bool timed = t != std::string_view::npos && IsTimeSuffix(word.substr(t));
    const std::optional<Parts> parts = SplitParts(timed ? word.substr(0, t) : word);
    if (!parts) {
        return {DateToken::Kind::UnknownForm};
    }
    const auto value = [&](std::size_t i) { return TextToNumberValue(parts->text[i]); };
    const auto width = [&](std::size_t i) { return parts->text[i].size(); };
    if (width(0) == 4 && width(1) <= 2 && width(2) <= 2) {
        return FromParts(value(0), value(1), value(2));
    }
    if (timed || width(2) != 4 || width(0) > 2 || width(1) > 2) {
        return {DateToken::Kind::UnknownForm};
    }
    if (parts->separator == '/') {
        return {DateToken::Kind::Slash, 0, {value(0), value(1), value(2)}};
    }
    return FromParts(value(2), value(1), value(0));
}

}  // namespace kulko
