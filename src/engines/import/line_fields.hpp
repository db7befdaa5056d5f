#pragma once

#include <string_view>
#include <vector>

namespace kulko {

// The fields of one line of a list or table: cut at the line's separator (a
// tab where the line has one, else ";", else ","; a line of none is one
// field), each without the blanks around it and without the double quotes
// around it, a separator inside quotes being part of the field. Empty
// fields at the end of the line (a spreadsheet's unused columns) are left
// out.
std::vector<std::string_view> LineFields(std::string_view line);

// The words of a field: its parts between blanks (spaces, tabs, no-break
// spaces) and commas, none empty. A browser's table cell holds six numbers
// so: "3 11 12 14 41 43".
std::vector<std::string_view> FieldWords(std::string_view field);

// The line without the blanks around it and without a byte order mark.
std::string_view TrimmedLine(std::string_view line);

}  // namespace kulko
