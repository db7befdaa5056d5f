#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

#include "files/file_identity.hpp"

namespace kulko {

// Appends one shown set ("1;2;3;4;5;6") to the draw log as a line of its
// own, where the chart will count it (see AppendLine). The log is created at
// start-up; when it has gone since, the append fails with "File not found"
// rather than starting a new log in silence. `known` is what the chart saw
// of the log's end at its last count, when it counted one.
void AppendToDrawLog(const std::filesystem::path& drawLog, std::string_view setText,
                     const std::optional<KnownTextEnd>& known = std::nullopt);

}  // namespace kulko
