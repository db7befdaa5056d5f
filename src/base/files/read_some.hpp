#pragma once

#include <sys/types.h>

#include <cstddef>

namespace kulko {

// Reads up to `size` bytes at `offset` (at the descriptor's own position
// when the offset is negative), retrying a read that a signal interrupted.
// Returns the count of bytes read, 0 at the end of the file, or -1 with
// errno set. Each caller decides what a short or empty read means to it.
ssize_t ReadSome(int fd, char* buffer, std::size_t size, off_t offset = -1);

// Reads until `size` bytes are in, or the file ends: the count read, fewer
// than `size` only at the end of the file, or -1 with errno set (what came
// before the error is then in the buffer, but not counted).
ssize_t ReadFull(int fd, char* buffer, std::size_t size, off_t offset = -1);

}  // namespace kulko
