#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "game/number_set.hpp"

#include "results/usual_results_line.hpp"
#include "text/text_to_number.hpp"

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

}  // namespace kulko
