#include "files/regular_file.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "files/in_out_error.hpp"

namespace kulko {

int OpenRegularFile(const std::filesystem::path& path, int flags, mode_t mode,
                    struct stat* opened) {
    // Non-blocking only for the open: a FIFO without a writer would otherwise
    // hold the program before it could look at what it opened.
    const int fd = ::open(path.c_str(), flags | O_NONBLOCK | O_CLOEXEC, mode);
    if (fd < 0) {
        // A FIFO opened for writing without a reader.
        throw InOutError::FromErrno(errno == ENXIO ? EACCES : errno);
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        const int error = errno;
        ::close(fd);
        throw InOutError::FromErrno(error);
    }
    if (!S_ISREG(info.st_mode)) {
        ::close(fd);
        throw InOutError::FromErrno(EACCES);
    }
    if (opened != nullptr) {
        *opened = info;
    }
    const int status = ::fcntl(fd, F_GETFL);
    if (status < 0 || ::fcntl(fd, F_SETFL, status & ~O_NONBLOCK) != 0) {
        const int error = errno;
        ::close(fd);
        throw InOutError::FromErrno(error);
    }
    return fd;
}

}  // namespace kulko
