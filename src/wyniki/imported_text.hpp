#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "wyniki/import_plan.hpp"

namespace kulko {

// The draw as a line of the history, without its line end:
// "7297;06.01.2026;9;10;14;26;28;47".
std::string HistoryLine(const NewDraw& draw);

// Where the added lines go into the history's bytes: where the reader's
// view of the file ends, before an end-of-file mark, or they would never
// be read. Every byte of the file stays.
std::size_t InsertionPoint(std::string_view history);

// The text that goes in there: a line end for a last line without one,
// then each added draw's line ended by CR LF.
std::string AddedLines(std::string_view history, const std::vector<NewDraw>& added);

}  // namespace kulko
