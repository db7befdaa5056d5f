#include "import/draw_input.hpp"

#include <algorithm>

#include "import/line_fields.hpp"
#include "text/digits.hpp"
#include "text/text_to_number.hpp"

namespace kulko {
namespace {

using Words = std::vector<std::string_view>;

LineFault Fault(std::string reason) {
    return {std::move(reason)};
}

std::string Quoted(std::string_view text) {
    return "„" + std::string(text) + "”";
}

// "1 liczbę", "3 liczby", "5 liczb", "22 liczby", "12 liczb".
std::string NumbersText(std::size_t count) {
    const std::size_t tens = count % 100 / 10;
    const std::size_t ones = count % 10;
    const char* word = count == 1                            ? "liczbę"
                       : tens != 1 && ones >= 2 && ones <= 4 ? "liczby"
                                                             : "liczb";
    return std::to_string(count) + " " + word;
}

// "7297" or "7297." as a draw number; nothing for anything else.
std::optional<std::size_t> DrawNumberWord(std::string_view word) {
    if (word.ends_with('.')) {
        word.remove_suffix(1);
    }
    if (!AllDigits(word) || word.size() > 9) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(TextToNumberValue(word));
}

std::optional<LineFault> DateFault(const DateToken& date, std::string_view word) {
    switch (date.kind) {
        case DateToken::Kind::Date:
        case DateToken::Kind::Slash:
            return std::nullopt;
        case DateToken::Kind::NoSuchDay:
            return Fault("nieistniejąca data");
        case DateToken::Kind::UnknownForm:
            return Fault(Quoted(word) + " to data w nieznanej postaci; " + kDateForms);
        case DateToken::Kind::NotADate:
            break;
    }
    return Fault("brak daty; " + std::string(kDateForms));
}

// The draw of a date, an optional draw number and six number words; where
// names the words in a message ("po dacie", "w polu „Liczby”").
LineReading MakeDraw(std::string_view dateWord, std::optional<std::size_t> drawNumber,
                     const Words& numbers, const std::string& where) {
    const DateToken date = ReadDateToken(dateWord);
    if (auto fault = DateFault(date, dateWord)) {
        return *fault;
    }
    if (drawNumber == std::size_t{0}) {
        return Fault("numer losowania 0: losowania liczy się od 1");
    }
    const auto notNumber = std::find_if(numbers.begin(), numbers.end(),
                                        [](std::string_view word) { return !AllDigits(word); });
    if (notNumber != numbers.end()) {
        return Fault(Quoted(*notNumber) + " " + where + " nie jest liczbą");
    }
    if (numbers.size() != kNumbersPerDraw) {
        return Fault("wiersz ma " + NumbersText(numbers.size()) + " " + where +
                     ", a powinien mieć " + std::to_string(kNumbersPerDraw));
    }
    InputDraw draw;
    draw.dateKey = date.key;
    draw.slash = date.slash;
    draw.drawNumber = drawNumber.value_or(0);
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        draw.numbers[i] = numbers[i].size() <= 2 ? TextToNumberValue(numbers[i]) : -1;
    }
    std::sort(draw.numbers.begin(), draw.numbers.end());
    if (!std::all_of(draw.numbers.begin(), draw.numbers.end(), IsGameNumber) ||
        std::adjacent_find(draw.numbers.begin(), draw.numbers.end()) != draw.numbers.end()) {
        return Fault("to nie jest sześć różnych liczb od 1 do 49");
    }
    return draw;
}

std::string FieldName(const Columns& columns, std::size_t column) {
    const std::string& name = columns.names[column];
    return name.empty() ? "pole " + std::to_string(column + 1) : "pole " + Quoted(name);
}

}  // namespace

LineReading ReadInputLine(std::string_view line) {
    const Words fields = LineFields(TrimmedLine(line));
    Words words;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (fields[i].empty()) {
            return Fault("pole " + std::to_string(i + 1) + " jest puste");
        }
        const Words fieldWords = FieldWords(fields[i]);
        words.insert(words.end(), fieldWords.begin(), fieldWords.end());
    }
    const auto date = std::find_if(words.begin(), words.end(), [](std::string_view word) {
        return ReadDateToken(word).kind != DateToken::Kind::NotADate;
    });
    if (date == words.end()) {
        return Fault("brak daty; " + std::string(kDateForms));
    }
    std::optional<std::size_t> drawNumber;
    if (date != words.begin()) {
        drawNumber = DrawNumberWord(words.front());
        if (date - words.begin() > 1 || !drawNumber) {
            return Fault("przed datą może stać tylko numer losowania, a stoi " +
                         Quoted(words.front()));
        }
    }
    auto numbers = date + 1;
    if (numbers != words.end() && IsTimeOfDay(*numbers)) {
        ++numbers;
    }
    return MakeDraw(*date, drawNumber, Words(numbers, words.end()), "po dacie");
}

LineReading ReadInputRow(std::string_view line, const Columns& columns) {
    const Words fields = LineFields(TrimmedLine(line));
    const auto field = [&](std::size_t column) -> std::optional<std::string_view> {
        if (column < fields.size() && !fields[column].empty()) {
            return fields[column];
        }
        return std::nullopt;
    };
    const auto missing = [&](std::size_t column) {
        return Fault(column < fields.size()
                         ? FieldName(columns, column) + " jest puste"
                         : "brak pola " + Quoted(columns.names[column]) + ": wiersz ma pól " +
                               std::to_string(fields.size()));
    };
    const std::optional<std::string_view> date = field(columns.date);
    if (!date) {
        return missing(columns.date);
    }
    std::optional<std::size_t> drawNumber;
    if (columns.drawNumber != Columns::kNone) {
        if (const auto text = field(columns.drawNumber)) {
            drawNumber = DrawNumberWord(*text);
            if (!drawNumber) {
                return Fault("w polu " + Quoted(columns.names[columns.drawNumber]) + " stoi " +
                             Quoted(*text) + ", a nie numer losowania");
            }
        }
    }
    Words numbers;
    std::string where;
    if (columns.numberList != Columns::kNone) {
        const auto list = field(columns.numberList);
        if (!list) {
            return missing(columns.numberList);
        }
        numbers = FieldWords(*list);
        where = "w polu " + Quoted(columns.names[columns.numberList]);
        // One name over six columns, as a merged cell of a spreadsheet is saved.
        const std::size_t first = columns.numberList;
        if (numbers.size() == 1 && first + kNumbersPerDraw <= fields.size()) {
            numbers.assign(fields.begin() + first, fields.begin() + first + kNumbersPerDraw);
        }
    } else {
        for (const std::size_t column : columns.numbers) {
            const auto number = field(column);
            if (!number) {
                return missing(column);
            }
            numbers.push_back(*number);
        }
        where = "w kolumnach liczb";
    }
    // A date field of commas and blanks only holds no word at all.
    const Words dateWords = FieldWords(*date);
    if (dateWords.empty()) {
        return Fault(FieldName(columns, columns.date) + " nie zawiera daty; " + kDateForms);
    }
    return MakeDraw(dateWords.front(), drawNumber, numbers, where);
}

}  // namespace kulko
