#pragma once

#include <sys/types.h>

#include <filesystem>

namespace kulko {

// Opens a file the program reads or writes, refusing anything that is not a
// plain file: a FIFO, a socket or a device (the results file made a FIFO or
// a link to /dev/zero) or a directory gives "File access denied" at once. The
// open itself cannot block on a FIFO without a writer; the descriptor handed
// back blocks as usual and is closed on exec. Throws InOutError on failure.
int OpenRegularFile(const std::filesystem::path& path, int flags, mode_t mode = 0666);
// The same without throwing: -1 on failure, with the error number in error.
int OpenRegularFile(const std::filesystem::path& path, int flags, mode_t mode, int& error);

}  // namespace kulko
