#include "files/regular_file.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "files/in_out_error.hpp"

namespace kulko {

int OpenRegularFile(const std::filesystem::path& path, int flags, mode_t mode, int& error) {
    // Non-blocking only for the open: a FIFO without a writer would otherwise
    // hold the program before it could look at what it opened.
    const int fd = ::open(path.c_str(), flags | O_NONBLOCK | O_CLOEXEC, mode);
    if (fd < 0) {
        // A FIFO opened for writing without a reader.
        error = errno == ENXIO ? EACCES : errno;
        return -1;
    }
    struct stat info {};
    const int status = ::fstat(fd, &info) != 0 ? -1 : ::fcntl(fd, F_GETFL);
    if (status < 0 || !S_ISREG(info.st_mode) || ::fcntl(fd, F_SETFL, status & ~O_NONBLOCK) != 0) {
        error = status >= 0 && !S_ISREG(info.st_mode) ? EACCES : errno;
        ::close(fd);
        return -1;
    }
    return fd;
}

int OpenRegularFile(const std::filesystem::path& path, int flags, mode_t mode) {
    int error = 0;
    const int fd = OpenRegularFile(path, flags, mode, error);
    if (fd < 0) {
        throw InOutError::FromErrno(error);
    }
    return fd;
}

}  // namespace kulko
