#pragma once

#include <filesystem>
#include <string_view>

namespace kulko {

// Appends a kept set to the memory file (one set per line): the set text as
// a line of its own (ended by CR LF), where the count and the check will see
// it (see AppendLine), creating the file when it is missing. Throws
// InOutError.
void StoreSetLine(const std::filesystem::path& memoryFile, std::string_view setText);

}  // namespace kulko
