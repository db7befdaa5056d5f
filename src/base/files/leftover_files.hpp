#pragma once

#include <filesystem>

namespace kulko {

// Removes from the working directory what writers of the project that are
// gone left behind: temporary files named after a file of the program and a
// process that no longer runs ("losowania_kulko.txt.tmp-812-0"), and the
// renumbering's scratch file. It runs under the directory's lock, so no
// writer of the project is at work meanwhile; nothing else is touched and
// nothing is reported. Throws InOutError only when the lock cannot be had.
void RemoveLeftoverFiles(const std::filesystem::path& dir);

}  // namespace kulko
