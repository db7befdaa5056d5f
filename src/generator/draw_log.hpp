#pragma once

#include <filesystem>
#include <string_view>

namespace kulko {

// Appends one shown set ("1;2;3;4;5;6") to the draw log as a line of its
// own, where the chart will count it (see AppendLine). The log is created at
// start-up; when it has gone since, the append fails with "File not found"
// rather than starting a new log in silence.
void AppendToDrawLog(const std::filesystem::path& drawLog, std::string_view setText);

}  // namespace kulko
