#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "game/number_set.hpp"

#include "text/text_to_number.hpp"
#include "text/usual_numbers.hpp"

namespace kulko {

// The fields of one results line, cut the way every reader cuts them:
// draw number before the first ";", the ten date characters after it, and
// the numbers part after the second ";" (after the only one, or the whole
// line when there is none).
struct ResultsLineFields {
    std::string_view drawNumber;
    std::string_view date;  // shorter than ten when the line ends sooner
    std::string_view numbersPart;
};

ResultsLineFields CutResultsLine(std::string_view line);

// The first ";" at or after start, or npos. The fields of a results line
// are a few characters long: a plain loop finds their end sooner than a
// library search would start; a longer stretch is left to that search.
inline std::size_t FindSemicolon(std::string_view text, std::size_t start = 0) {
    const std::size_t near = std::min(text.size(), start + 16);
    for (std::size_t at = start; at < near; ++at) {
        if (text[at] == ';') {
            return at;
        }
    }
    return near < text.size() ? text.find(';', near) : std::string_view::npos;
}

inline constexpr std::size_t kDateLength = 10;

// Calls visit(token) for every token of a numbers part: the part gets one
// ";" appended and is cut at every ";". An empty part gives one empty token.
template <typename Visit>
void ForEachToken(std::string_view numbersPart, Visit&& visit) {
    std::size_t start = 0;
    for (;;) {
        const std::size_t semicolon = FindSemicolon(numbersPart, start);
        if (semicolon == std::string_view::npos) {
            visit(numbersPart.substr(start));
            return;
        }
        visit(numbersPart.substr(start, semicolon - start));
        start = semicolon + 1;
    }
}

// Calls visit(value) for every token of the numbers part, converted.
template <typename Visit>
void ForEachNumber(std::string_view numbersPart, Visit&& visit) {
    ForEachToken(numbersPart, [&](std::string_view token) { visit(TextToNumberValue(token)); });
}

// True when the date field converts completely in its day (1-2), month
// (4-5) and year (7-10) parts. A date shorter than ten characters fails.
// Every line of the results file is checked, so this stays inline.
inline bool IsDateWellFormed(std::string_view date) {
    return date.size() >= kDateLength && !TextToNumber(date.substr(0, 2)).stoppedEarly &&
           !TextToNumber(date.substr(3, 2)).stoppedEarly &&
           !TextToNumber(date.substr(6, 4)).stoppedEarly;
}

// A results line in its usual form, as nearly every line is: a draw number
// of up to fifteen digits, ";", a date of ten characters with digits where
// the date check reads its day, month and year and any separator but ";",
// CR and LF, ";", and six usual number tokens (see ScanUsualTokens), the
// line ended by CR LF, LF or the end of the text. Such a line holds exactly
// seven semicolons, passes the date check, and its numbers part is the six
// tokens.
struct UsualResultsLine {
    std::int32_t numbers[kNumbersPerDraw];
    std::size_t dateAt;  // offset of the date from the line's start
    std::size_t next;    // offset after the line's end from its start
};

// Reads the line that starts at text[at]; false when it is not usual, and
// then it must be read by the general rules (CutResultsLine and the rest).
// The draw number and the date are looked at eight bytes at a time.
inline bool ScanUsualResultsLine(const char* text, std::size_t size, std::size_t at,
                                 UsualResultsLine& usual) {
    const UsualLineView line(text, size, at);
    std::uint64_t nonDigits = NonDigitBytes(line.Word(0));
    std::size_t digits = 0;
    if (nonDigits == 0) {
        nonDigits = NonDigitBytes(line.Word(8));
        digits = 8;
    }
    digits += static_cast<std::size_t>(std::countr_zero(nonDigits)) / 8;
    if (nonDigits == 0 || line[digits] != ';') {
        return false;
    }
    const std::size_t date = digits + 1;
    // Day, month and year digits; the separators (bytes 2 and 5) may be
    // anything but ";", CR and LF.
    constexpr std::uint64_t kSeparators = (0x80ull << 16) | (0x80ull << 40);
    const auto separatorFits = [&](char c) { return c != ';' && c != '\r' && c != '\n'; };
    if ((NonDigitBytes(line.Word(date)) & ~kSeparators) != 0 || !IsDigit(line[date + 8]) ||
        !IsDigit(line[date + 9]) || line[date + kDateLength] != ';' ||
        !separatorFits(line[date + 2]) || !separatorFits(line[date + 5])) {
        return false;
    }
    usual.dateAt = date;
    return ScanUsualTokens(line, date + kDateLength + 1, usual.numbers, kNumbersPerDraw,
                           usual.next) == kNumbersPerDraw;
}

}  // namespace kulko
