#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "game/number_set.hpp"
#include "results/date_key.hpp"

namespace kulko {

// One draw read from a results list, before it has a place in the history.
struct InputDraw {
    DateKey dateKey = 0;
    std::string date;     // "DD.MM.YYYY", as the history writes it
    NumberSet numbers{};  // ascending, as the history writes them
};

// Why a line is not a draw.
enum class InputLineFault {
    Layout,   // none of the accepted forms
    Date,     // no real calendar date
    Numbers,  // not six distinct numbers from 1 to 49
};

// Reads one line of a results list in any of the forms players find
// published, told apart by their shape:
//   - the history's own line "0001;27.01.1957;8;12;31;39;43;45";
//   - the list form "1. 27.01.1957 8,12,31,39,43,45";
//   - a table row: a date (DD.MM.YYYY or YYYY-MM-DD) and six numbers, with
//     or without a draw number first, separated by ",", ";" or tabs, any
//     field possibly in double quotes.
// Blanks around fields are ignored; draw numbers in the line are not kept.
std::variant<InputDraw, InputLineFault> ReadInputLine(std::string_view line);

// A line that can only be a table's header: not empty, and no field of it
// begins with a digit ("Data;L1;L2" or "\"Nr\",\"Data\"").
bool IsHeaderLine(std::string_view line);

// The line without the blanks around it (and without a UTF-8 byte order
// mark, which spreadsheet programs put before the first line).
std::string_view TrimmedLine(std::string_view line);

}  // namespace kulko
