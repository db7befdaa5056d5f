#include "files/write_all.hpp"

#include <unistd.h>

#include <cerrno>

namespace kulko {

namespace {

// Writes all bytes, retrying short and interrupted writes; offset < 0: at
// the descriptor's own position.
int WriteAllBytes(int fd, std::string_view bytes, off_t offset) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const char* from = bytes.data() + done;
        const std::size_t left = bytes.size() - done;
        const ssize_t wrote = offset < 0
                                  ? ::write(fd, from, left)
                                  : ::pwrite(fd, from, left, offset + static_cast<off_t>(done));
        if (wrote < 0) {
            if (errno == EINTR) {
                continue;
            }
            return errno;
        }
        if (wrote == 0) {
            return ENOSPC;
        }
        done += static_cast<std::size_t>(wrote);
    }
    return 0;
}

}  // namespace

int WriteAllAt(int fd, std::string_view bytes, off_t offset) {
    return WriteAllBytes(fd, bytes, offset);
}

int WriteAll(int fd, std::string_view bytes) {
    return WriteAllBytes(fd, bytes, -1);
}

}  // namespace kulko
