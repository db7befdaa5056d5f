#pragma once

#include <filesystem>

namespace kulko {

// The version a version note names: its first line read as a decimal number,
// so that 1.2 is higher than 1.13 and 1.130 equals 1.13. An empty first line
// (or an empty file) is 0; a line that is not a number in the accepted form
// is 0 as well. Throws InOutError when the note cannot be read.
double ReadVersionNote(const std::filesystem::path& note);

// Whether the server's note names a strictly higher version than the local one.
bool ServerVersionIsNewer(const std::filesystem::path& localNote,
                          const std::filesystem::path& serverNote);

}  // namespace kulko
