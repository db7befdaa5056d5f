// The header of a table: which column holds what, by its name.
#include <algorithm>
#include <array>

#include "import/draw_input.hpp"
#include "import/line_fields.hpp"
#include "text/digits.hpp"

namespace kulko {
namespace {

using namespace std::string_view_literals;

// Names as compared: lower case, Polish and German letters without their
// marks, nothing but letters and digits ("Liczba 1" is "liczba1", "Nr." is
// "nr", "Ziehungs-Datum" is "ziehungsdatum").
std::string Normalized(std::string_view name) {
    constexpr std::pair<std::string_view, const char*> kLetters[] = {
        {"ą", "a"}, {"Ą", "a"}, {"ć", "c"}, {"Ć", "c"},  {"ę", "e"}, {"Ę", "e"}, {"ł", "l"},
        {"Ł", "l"}, {"ń", "n"}, {"Ń", "n"}, {"ó", "o"},  {"Ó", "o"}, {"ś", "s"}, {"Ś", "s"},
        {"ź", "z"}, {"Ź", "z"}, {"ż", "z"}, {"Ż", "z"},  {"ä", "a"}, {"Ä", "a"}, {"ö", "o"},
        {"Ö", "o"}, {"ü", "u"}, {"Ü", "u"}, {"ß", "ss"},
    };
    std::string plain;
    while (!name.empty()) {
        const char c = name.front();
        const auto letter =
            std::find_if(std::begin(kLetters), std::end(kLetters),
                         [&](const auto& entry) { return name.starts_with(entry.first); });
        if (letter != std::end(kLetters)) {
            plain += letter->second;
            name.remove_prefix(letter->first.size());
            continue;
        }
        if (c >= 'A' && c <= 'Z') {
            plain += static_cast<char>(c - 'A' + 'a');
        } else if ((c >= 'a' && c <= 'z') || IsDigit(c)) {
            plain += c;
        }
        name.remove_prefix(1);
    }
    return plain;
}

constexpr std::array kDateNames = {
    "data"sv,       "datalosowania"sv, "dzienlosowania"sv, "date"sv,         "drawdate"sv,
    "dateofdraw"sv, "datum"sv,         "ziehungsdatum"sv,  "datumziehung"sv, "ziehungstag"sv};
constexpr std::array kDrawNumberNames = {
    "nr"sv,     "numer"sv,  "numerlosowania"sv, "nrlosowania"sv,    "losowanie"sv,
    "no"sv,     "draw"sv,   "drawnumber"sv,     "drawno"sv,         "drawnr"sv,
    "drawid"sv, "nummer"sv, "ziehung"sv,        "ziehungsnummer"sv, "ziehungsnr"sv};
// A column of one number: the word with the number's place, "L1", "Z1",
// "NUMBER DRAWN 1" or "1. Zahl".
constexpr std::array kNumberWords = {
    "l"sv,      "n"sv,           "b"sv,           "z"sv,
    "liczba"sv, "kula"sv,        "wylosowana"sv,  "number"sv,
    "num"sv,    "numberdrawn"sv, "drawnnumber"sv, "winningnumber"sv,
    "ball"sv,   "zahl"sv,        "gewinnzahl"sv,  "lottozahl"sv,
    ""sv};
// Columns a table has beside the draw, which an import leaves alone: the
// bonus and extra numbers, in full and abbreviated, the game, a running
// count, the day of the week and the sum of the numbers.
constexpr std::array kOtherNames = {"bonus"sv,
                                    "bonusball"sv,
                                    "bonusnumber"sv,
                                    "bonusnr"sv,
                                    "bb"sv,
                                    "extra"sv,
                                    "extraball"sv,
                                    "extranumber"sv,
                                    "additional"sv,
                                    "dodatkowa"sv,
                                    "liczbadodatkowa"sv,
                                    "dod"sv,
                                    "plus"sv,
                                    "lottoplus"sv,
                                    "superszansa"sv,
                                    "superzahl"sv,
                                    "sz"sv,
                                    "zusatzzahl"sv,
                                    "zz"sv,
                                    "spiel77"sv,
                                    "super6"sv,
                                    "gra"sv,
                                    "game"sv,
                                    "produkt"sv,
                                    "product"sv,
                                    "spiel"sv,
                                    "lottery"sv,
                                    "lp"sv,
                                    "seq"sv,
                                    "sequence"sv,
                                    "id"sv,
                                    "lfdnr"sv,
                                    "dzien"sv,
                                    "dzientygodnia"sv,
                                    "day"sv,
                                    "weekday"sv,
                                    "wochentag"sv,
                                    "suma"sv,
                                    "sum"sv,
                                    "summe"sv};
// A column of all six numbers.
constexpr std::array kNumberListNames = {"liczby"sv,           "wyniki"sv,      "wynik"sv,
                                         "wylosowaneliczby"sv, "numbers"sv,     "winningnumbers"sv,
                                         "drawnnumbers"sv,     "results"sv,     "zahlen"sv,
                                         "gewinnzahlen"sv,     "lottozahlen"sv, "lotto"sv};

template <typename Names>
bool Among(const Names& names, std::string_view name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

// Which of the six numbers a column holds (1 to 6), or 0.
int NumberPlace(std::string_view name) {
    for (int place = 1; place <= kNumbersPerDraw; ++place) {
        const char digit = static_cast<char>('0' + place);
        if (name.ends_with(digit) && Among(kNumberWords, name.substr(0, name.size() - 1))) {
            return place;
        }
        if (name.starts_with(digit) && Among(kNumberWords, name.substr(1)) && name.size() > 1) {
            return place;
        }
    }
    return 0;
}

bool Known(std::string_view name) {
    return name.empty() || Among(kDateNames, name) || Among(kDrawNumberNames, name) ||
           Among(kNumberListNames, name) || Among(kOtherNames, name) || NumberPlace(name) > 0;
}

}  // namespace

std::vector<std::string> UnknownColumns(std::string_view line) {
    std::vector<std::string> unknown;
    for (std::string_view field : LineFields(TrimmedLine(line))) {
        if (!Known(Normalized(field))) {
            unknown.emplace_back(field);
        }
    }
    return unknown;
}

bool LooksLikeHeader(std::string_view line) {
    bool named = false;
    for (std::string_view field : LineFields(TrimmedLine(line))) {
        for (std::string_view word : FieldWords(field)) {
            if (ReadDateToken(word).kind != DateToken::Kind::NotADate) {
                return false;
            }
            named = named || std::any_of(word.begin(), word.end(), [](char c) {
                        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
                               static_cast<unsigned char>(c) >= 0x80;
                    });
        }
    }
    return named;
}

std::optional<Columns> ReadHeader(std::string_view line) {
    if (!LooksLikeHeader(line)) {
        return std::nullopt;
    }
    Columns columns;
    std::vector<std::string> plain;
    for (std::string_view field : LineFields(TrimmedLine(line))) {
        columns.names.emplace_back(field);
        plain.push_back(Normalized(field));
    }
    const auto first = [&](std::size_t& column, std::size_t at) {
        column = column == Columns::kNone ? at : column;
    };
    for (std::size_t at = 0; at < plain.size(); ++at) {
        const std::string& name = plain[at];
        if (Among(kDateNames, name)) {
            first(columns.date, at);
        } else if (Among(kDrawNumberNames, name)) {
            first(columns.drawNumber, at);
        } else if (Among(kNumberListNames, name)) {
            first(columns.numberList, at);
        } else if (const int place = NumberPlace(name); place > 0) {
            first(columns.numbers[static_cast<std::size_t>(place - 1)], at);
        }
    }
    const bool six = std::none_of(columns.numbers.begin(), columns.numbers.end(),
                                  [](std::size_t column) { return column == Columns::kNone; });
    if (six) {
        columns.numberList = Columns::kNone;
    } else {
        columns.numbers.fill(Columns::kNone);
    }
    if (columns.date == Columns::kNone ||
        (columns.numberList == Columns::kNone && columns.numbers[0] == Columns::kNone)) {
        return std::nullopt;
    }
    return columns;
}

}  // namespace kulko
