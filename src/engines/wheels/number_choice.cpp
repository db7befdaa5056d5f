#include "wheels/number_choice.hpp"

#include <optional>

#include "game/number_set.hpp"
#include "text/command_line.hpp"

namespace kulko {
namespace {

bool IsSeparator(char c) {
    return c == ';' || c == ',' || c == ' ' || c == '\t';
}

// A whole number of at most three digits, nothing else.
std::optional<int> ReadNumber(std::string_view text) {
    if (text.empty() || text.size() > 3) {
        return std::nullopt;
    }
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    return value;
}

// Reads one item, "12" or "7-12", into the mask; returns the error text.
std::string ReadItem(std::string_view item, NumberBits& numbers) {
    const std::size_t dash = item.find('-');
    const std::optional<int> first = ReadNumber(item.substr(0, dash));
    const std::optional<int> last =
        dash == std::string_view::npos ? first : ReadNumber(item.substr(dash + 1));
    if (!first || !last) {
        return "Nie rozumiem " + Quoted(item) +
               ": liczby oddziela się średnikiem, zakres to np. 7-12";
    }
    for (const int n : {*first, *last}) {
        if (!IsGameNumber(n)) {
            return "Liczba " + std::to_string(n) + " jest spoza zakresu od 1 do 49";
        }
    }
    if (*first > *last) {
        return "Zakres " + Quoted(item) + " zaczyna się od większej liczby";
    }
    for (int n = *first; n <= *last; ++n) {
        numbers |= Bit(n);
    }
    return {};
}

// The text with the typographic dash as "-" and no blanks around dashes,
// so that "7 - 12" and "7–12" read as "7-12".
std::string JoinedRanges(std::string_view typed) {
    std::string text;
    for (std::size_t i = 0; i < typed.size(); ++i) {
        if (typed.substr(i).starts_with("–")) {
            i += std::string_view("–").size() - 1;
            text += '-';
        } else {
            text += typed[i];
        }
    }
    std::string joined;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool blank = text[i] == ' ' || text[i] == '\t';
        const std::size_t next = text.find_first_not_of(" \t", i);
        if (blank && ((!joined.empty() && joined.back() == '-') ||
                      (next != std::string::npos && text[next] == '-'))) {
            continue;
        }
        joined += text[i];
    }
    return joined;
}

}  // namespace

NumberChoice ParseNumberChoice(std::string_view typed) {
    const std::string joined = JoinedRanges(typed);
    const std::string_view text = joined;
    NumberChoice choice;
    std::size_t pos = 0;
    while (pos < text.size()) {
        if (IsSeparator(text[pos])) {
            ++pos;
            continue;
        }
        std::size_t end = pos;
        while (end < text.size() && !IsSeparator(text[end])) {
            ++end;
        }
        choice.error = ReadItem(text.substr(pos, end - pos), choice.numbers);
        if (!choice.error.empty()) {
            choice.numbers = 0;
            return choice;
        }
        pos = end;
    }
    return choice;
}

std::string NumberChoiceText(NumberBits numbers) {
    std::string text;
    int n = kLowestNumber;
    while (n <= kHighestNumber) {
        if ((numbers & Bit(n)) == 0) {
            ++n;
            continue;
        }
        int last = n;
        while (last < kHighestNumber && (numbers & Bit(last + 1)) != 0) {
            ++last;
        }
        if (!text.empty()) {
            text += ';';
        }
        if (last - n >= 2) {
            text += std::to_string(n) + "-" + std::to_string(last);
        } else {
            text += std::to_string(n);
            if (last > n) {
                text += ";" + std::to_string(last);
            }
        }
        n = last + 1;
    }
    return text;
}

}  // namespace kulko
