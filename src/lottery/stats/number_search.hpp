#pragma once

#include <cstddef>
#include <filesystem>
#include <string_view>

namespace kulko {

// How many lines of the results file hold the text as a contiguous run of
// bytes anywhere (draw number, date, numbers and separators alike), each
// line counted once. The text is compared byte for byte, so it must be in
// the file's code page. An empty text occurs nowhere; a missing file gives
// 0; a file that cannot be read throws InOutError.
std::size_t CountLinesContaining(const std::filesystem::path& resultsFile, std::string_view text);

}  // namespace kulko
