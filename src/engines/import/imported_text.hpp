#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "import/import_plan.hpp"

namespace kulko {

// The draw as a line of the history, without its line end:
// "7297;06.01.2026;9;10;14;26;28;47".
std::string HistoryLine(const NewDraw& draw);

// The text added after the history's lines: a line end for a last line
// without one (lastByte: the last byte of the lines; none for an empty
// history), then each added draw's line ended by CR LF.
std::string AddedLines(std::optional<char> lastByte, const std::vector<NewDraw>& added);

}  // namespace kulko
