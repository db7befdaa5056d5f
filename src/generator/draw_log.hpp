#pragma once

#include <filesystem>
#include <string_view>

namespace kulko {

inline constexpr const char* kDrawLogName = "losowania_kulko.txt";

// Appends one shown set ("1;2;3;4;5;6") and CR LF to the draw log in one
// write. The log is created at start-up; when it has gone since, the append
// fails with "File not found" rather than starting a new log in silence.
void AppendToDrawLog(const std::filesystem::path& drawLog, std::string_view setText);

}  // namespace kulko
