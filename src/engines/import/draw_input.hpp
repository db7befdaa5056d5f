#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "game/number_set.hpp"
#include "import/date_token.hpp"
#include "results/date_key.hpp"

namespace kulko {

// One draw read from a results list, before it has a place in the history.
struct InputDraw {
    DateKey dateKey = 0;         // 0 while a date "A/B/YYYY" waits for the whole input
    SlashDate slash{};           // that date's parts
    NumberSet numbers{};         // ascending, as the history writes them
    std::size_t drawNumber = 0;  // as the line gives it; 0 when it gives none
};

// Why a line is not a draw, in words for the player.
struct LineFault {
    std::string reason;
};

using LineReading = std::variant<InputDraw, LineFault>;

// The columns of a table, found by the names in its header.
struct Columns {
    static constexpr std::size_t kNone = static_cast<std::size_t>(-1);
    std::size_t date = kNone;
    std::size_t drawNumber = kNone;
    std::array<std::size_t, kNumbersPerDraw> numbers{kNone, kNone, kNone, kNone, kNone, kNone};
    std::size_t numberList = kNone;  // one column holding all six numbers
    std::vector<std::string> names;  // as the header spells them
};

// Reads one line of a results list in any of the forms players find
// published, told apart by their shape: a date among the line's words, at
// most a draw number ("7297" or "7297.") before it and the six numbers after
// it (a time of day may follow the date). Words are separated by a tab, ";"
// or "," (quoted fields as one), and inside a field by blanks and commas:
//   "0001;27.01.1957;8;12;31;39;43;45", "1. 27.01.1957 8,12,31,39,43,45",
//   "2024-05-25 3 11 12 14 41 43", "7297\t06.01.2026\t9 10 14 26 28 47".
LineReading ReadInputLine(std::string_view line);

// Reads a table row by the columns its header named; every other column is
// left alone.
LineReading ReadInputRow(std::string_view line, const Columns& columns);

// The columns a header names: the date, the draw number and the six numbers
// (or one column of all six), by their usual Polish, English or German
// names. Nothing when the line names no date and numbers, or holds a date.
std::optional<Columns> ReadHeader(std::string_view line);

// The columns of a header whose names say nothing the tool knows, as the
// header spells them: a header that names no date and numbers is refused
// with them when its rows cannot be read by their shape.
std::vector<std::string> UnknownColumns(std::string_view line);

// A line that can only be a header: words, but no date among them.
bool LooksLikeHeader(std::string_view line);

}  // namespace kulko
