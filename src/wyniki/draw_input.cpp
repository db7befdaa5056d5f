#include "wyniki/draw_input.hpp"

#include <algorithm>
#include <vector>

#include "results/results_line.hpp"
#include "text/digits.hpp"
#include "text/text_to_number.hpp"

namespace kulko {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::size_t kNumberFields = kNumbersPerDraw;

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

std::string_view Unquoted(std::string_view field) {
    field = Trim(field);
    if (field.size() >= 2 && field.front() == '"' && field.back() == '"') {
        field = Trim(field.substr(1, field.size() - 2));
    }
    return field;
}

// The fields between separators, each trimmed and unquoted; a separator
// closing the line does not open an empty last field.
std::vector<std::string_view> Fields(std::string_view text, char separator) {
    std::vector<std::string_view> fields;
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find(separator, start);
        fields.push_back(Unquoted(text.substr(start, end - start)));
        if (end == std::string_view::npos) {
            break;
        }
        start = end + 1;
    }
    if (fields.size() > 1 && fields.back().empty()) {
        fields.pop_back();
    }
    return fields;
}

char TableSeparator(std::string_view line) {
    if (line.find('\t') != std::string_view::npos) {
        return '\t';
    }
    return line.find(';') != std::string_view::npos ? ';' : ',';
}

// A number of one up to maxWidth digits; -1 for anything else.
int DigitsValue(std::string_view text, std::size_t maxWidth) {
    return AllDigits(text) && text.size() <= maxWidth ? TextToNumberValue(text) : -1;
}

int DaysInMonth(int year, int month) {
    constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

// "D.M.YYYY" (one or two digits for day and month) or "YYYY-MM-DD".
std::optional<DateKey> ReadDate(std::string_view text) {
    int year = -1;
    int month = -1;
    int day = -1;
    if (text.size() == 10 && text[4] == '-' && text[7] == '-') {
        year = DigitsValue(text.substr(0, 4), 4);
        month = DigitsValue(text.substr(5, 2), 2);
        day = DigitsValue(text.substr(8, 2), 2);
    } else {
        const std::size_t first = text.find('.');
        const std::size_t second = text.find('.', first == std::string_view::npos ? 0 : first + 1);
        if (first == std::string_view::npos || second == std::string_view::npos) {
            return std::nullopt;
        }
        day = DigitsValue(text.substr(0, first), 2);
        month = DigitsValue(text.substr(first + 1, second - first - 1), 2);
        const std::string_view yearText = text.substr(second + 1);
        year = yearText.size() == 4 ? DigitsValue(yearText, 4) : -1;
    }
    if (year < 1 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month)) {
        return std::nullopt;
    }
    return MakeDateKey(year, month, day);
}

std::variant<InputDraw, InputLineFault> ReadDraw(std::string_view date,
                                                 const std::vector<std::string_view>& numbers) {
    // A field that does not even begin like a date is not a draw's line.
    if (numbers.size() != kNumberFields || date.empty() || !IsDigit(date.front())) {
        return InputLineFault::Layout;
    }
    const std::optional<DateKey> key = ReadDate(date);
    if (!key) {
        return InputLineFault::Date;
    }
    InputDraw draw;
    draw.dateKey = *key;
    draw.date = DateText(*key);
    for (std::size_t i = 0; i < kNumberFields; ++i) {
        draw.numbers[i] = DigitsValue(numbers[i], 2);
        if (!IsGameNumber(draw.numbers[i])) {
            return InputLineFault::Numbers;
        }
    }
    std::sort(draw.numbers.begin(), draw.numbers.end());
    if (std::adjacent_find(draw.numbers.begin(), draw.numbers.end()) != draw.numbers.end()) {
        return InputLineFault::Numbers;
    }
    return draw;
}

// "N. DD.MM.YYYY a,b,c,d,e,f": the draw number and its dot open the line.
std::optional<std::variant<InputDraw, InputLineFault>> ReadListForm(std::string_view line) {
    std::size_t pos = 0;
    while (pos < line.size() && IsDigit(line[pos])) {
        ++pos;
    }
    if (pos == 0 || pos + 1 >= line.size() || line[pos] != '.' || !IsBlank(line[pos + 1])) {
        return std::nullopt;
    }
    const std::string_view rest = Trim(line.substr(pos + 1));
    const std::size_t dateEnd = std::min(rest.find(' '), rest.find('\t'));
    if (dateEnd == std::string_view::npos) {
        return InputLineFault::Layout;
    }
    return ReadDraw(rest.substr(0, dateEnd), Fields(Trim(rest.substr(dateEnd)), ','));
}

}  // namespace

std::string_view TrimmedLine(std::string_view line) {
    if (line.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
        line.remove_prefix(kByteOrderMark.size());
    }
    return Trim(line);
}

std::variant<InputDraw, InputLineFault> ReadInputLine(std::string_view line) {
    line = TrimmedLine(line);
    if (auto listed = ReadListForm(line)) {
        return *listed;
    }
    std::vector<std::string_view> fields = Fields(line, TableSeparator(line));
    if (fields.size() == kNumberFields + 2 && AllDigits(fields.front())) {
        fields.erase(fields.begin());  // the draw number
    }
    if (fields.size() != kNumberFields + 1) {
        return InputLineFault::Layout;
    }
    return ReadDraw(fields.front(), {fields.begin() + 1, fields.end()});
}

bool IsHeaderLine(std::string_view line) {
    line = TrimmedLine(line);
    if (line.empty()) {
        return false;
    }
    const std::vector<std::string_view> fields = Fields(line, TableSeparator(line));
    return std::none_of(fields.begin(), fields.end(), [](std::string_view field) {
        return !field.empty() && IsDigit(field.front());
    });
}

}  // namespace kulko
