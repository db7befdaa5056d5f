#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>

namespace kulko {

// Reads a file that is only ever read, never replaced: a plain file, or a
// pipe ("<(curl …)", a FIFO) or a terminal read to its end. Nothing when it
// holds more than maxBytes (a device that never ends, a wrong file).
// Throws InOutError when it cannot be opened or read; a directory gives
// "File access denied".
std::optional<std::string> ReadInputFile(const std::filesystem::path& path, std::size_t maxBytes);

}  // namespace kulko
