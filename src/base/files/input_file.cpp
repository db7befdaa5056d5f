#include "files/input_file.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "files/in_out_error.hpp"
#include "files/read_some.hpp"

namespace kulko {

std::optional<std::string> ReadInputFile(const std::filesystem::path& path, std::size_t maxBytes) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        throw InOutError::FromErrno(errno);
    }
    struct stat info {};
    int error = ::fstat(fd, &info) != 0 ? errno : (S_ISDIR(info.st_mode) ? EISDIR : 0);
    std::string bytes;
    if (error == 0 && S_ISREG(info.st_mode)) {
        bytes.reserve(std::min<std::size_t>(static_cast<std::size_t>(info.st_size), maxBytes + 1));
    }
    char chunk[1 << 16];
    while (error == 0 && bytes.size() <= maxBytes) {
        const ssize_t got = ReadSome(fd, chunk, sizeof chunk);
        if (got < 0) {
            error = errno;
        } else if (got == 0) {
            break;
        } else {
            bytes.append(chunk, static_cast<std::size_t>(got));
        }
    }
    ::close(fd);
    if (error != 0) {
        throw InOutError::FromErrno(error);
    }
    if (bytes.size() > maxBytes) {
        return std::nullopt;
    }
    return bytes;
}

}  // namespace kulko
