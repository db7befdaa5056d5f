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

}  // namespace kulko
