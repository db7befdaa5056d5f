#include "files/read_some.hpp"

#include <unistd.h>

#include <cerrno>

namespace kulko {

ssize_t ReadSome(int fd, char* buffer, std::size_t size, off_t offset) {
    for (;;) {
        const ssize_t got =
            offset < 0 ? ::read(fd, buffer, size) : ::pread(fd, buffer, size, offset);
        if (got >= 0 || errno != EINTR) {
            return got;
        }
    }
}

ssize_t ReadFull(int fd, char* buffer, std::size_t size, off_t offset) {
    std::size_t done = 0;
    while (done < size) {
        const ssize_t got = ReadSome(fd, buffer + done, size - done,
                                     offset < 0 ? offset : offset + static_cast<off_t>(done));
        if (got < 0) {
            return -1;
        }
        if (got == 0) {
            break;
        }
        done += static_cast<std::size_t>(got);
    }
    return static_cast<ssize_t>(done);
}

}  // namespace kulko
