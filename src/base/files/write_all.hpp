#pragma once

#include <sys/types.h>

#include <string_view>

namespace kulko {

// Writes all bytes at the offset, retrying short and interrupted writes.
// Returns 0, or the error number of the failure (ENOSPC when the disk takes
// no more). Never throws: the callers first put the file back as it was.
int WriteAllAt(int fd, std::string_view bytes, off_t offset);
// The same at the descriptor's own position: for a descriptor that appends,
// the file's end at the moment of the write.
int WriteAll(int fd, std::string_view bytes);

}  // namespace kulko
