#pragma once

#include <filesystem>
#include <string_view>

namespace kulko {

// The file of kept sets, one set per line, in the working directory.
inline constexpr const char* kMemoryFileName = "wyniki_kulko.txt";

// Appends the set text as a line of its own (ended by CR LF), creating the
// file when it is missing. A file edited by hand may end without a line
// break; the set then starts on a new line instead of continuing the last
// one. One write; throws InOutError.
void StoreSetLine(const std::filesystem::path& memoryFile, std::string_view setText);

}  // namespace kulko
