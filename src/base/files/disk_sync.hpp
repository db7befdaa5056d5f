#pragma once

#include <filesystem>

namespace kulko {

// A change is reported done only once it would survive a power cut: the
// file's bytes are synced, and after a file is made or renamed, so is the
// directory that lists it. Both return 0 or the error number.
int SyncFile(int fd);
int SyncDirectoryOf(const std::filesystem::path& file);

}  // namespace kulko
