#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "files/text_reader.hpp"

namespace kulko {

// Every line of a text file, as copies (see TextReader).
std::vector<std::string> ReadAllLines(const std::filesystem::path& path);

// Number of lines TextReader gives for the file.
std::size_t CountLines(const std::filesystem::path& path);

// The whole file as bytes, read into one buffer sized from the file; a FIFO,
// socket or device is refused. Throws InOutError.
std::string ReadWholeFile(const std::filesystem::path& path);

// Text of lines as written to disk: each line followed by CR LF.
std::string JoinLinesCrLf(const std::vector<std::string>& lines);

}  // namespace kulko
