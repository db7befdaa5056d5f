#include "common/file_ops.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string>

#include "common/in_out_error.hpp"

namespace kulko {
namespace {

// Writes all bytes, retrying short writes; returns 0 or the errno of the failure.
int WriteAll(int fd, std::string_view bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t wrote = ::write(fd, bytes.data() + done, bytes.size() - done);
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

int OpenOrThrow(const std::filesystem::path& path, int flags) {
    const int fd = ::open(path.c_str(), flags | O_CLOEXEC, 0644);
    if (fd < 0) {
        throw InOutError::FromErrno(errno);
    }
    return fd;
}

void CloseOrThrow(int fd) {
    if (::close(fd) != 0 && errno != EINTR) {
        throw InOutError::FromErrno(errno);
    }
}

}  // namespace

bool FileExists(const std::filesystem::path& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

bool DeleteFileIfAny(const std::filesystem::path& path) {
    return ::unlink(path.c_str()) == 0;
}

void WriteNewFile(const std::filesystem::path& path, std::string_view bytes) {
    const int fd = OpenOrThrow(path, O_WRONLY | O_CREAT | O_TRUNC);
    if (const int error = WriteAll(fd, bytes); error != 0) {
        ::close(fd);
        throw InOutError::FromErrno(error);
    }
    CloseOrThrow(fd);
}

void AppendToFile(const std::filesystem::path& path, std::string_view bytes, AppendMode mode) {
    const int flags = O_WRONLY | O_APPEND | (mode == AppendMode::CreateIfMissing ? O_CREAT : 0);
    const int fd = OpenOrThrow(path, flags);
    struct stat info {};
    const bool sized = ::fstat(fd, &info) == 0;
    if (const int error = WriteAll(fd, bytes); error != 0) {
        // Never leave half a line behind.
        if (sized && ::ftruncate(fd, info.st_size) != 0) {
            // Nothing more can be done; the error below is what the user sees.
        }
        ::close(fd);
        throw InOutError::FromErrno(error);
    }
    CloseOrThrow(fd);
}

void SafeReplaceWrite(const std::filesystem::path& path, std::string_view bytes) {
    std::filesystem::path temp = path;
    temp += ".tmp-XXXXXX";
    std::string pattern = temp.string();
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0) {
        throw InOutError::FromErrno(errno);
    }
    int error = WriteAll(fd, bytes);
    if (error == 0 && ::fsync(fd) != 0) {
        error = errno;
    }
    if (error == 0 && ::fchmod(fd, 0644) != 0) {
        error = errno;
    }
    if (::close(fd) != 0 && error == 0 && errno != EINTR) {
        error = errno;
    }
    if (error == 0 && std::rename(pattern.c_str(), path.c_str()) != 0) {
        error = errno;
    }
    if (error != 0) {
        ::unlink(pattern.c_str());
        throw InOutError::FromErrno(error);
    }
}

void ReplaceFileWith(const std::filesystem::path& target, const std::filesystem::path& source) {
    if (std::rename(source.c_str(), target.c_str()) != 0) {
        throw InOutError::FromErrno(errno);
    }
}

}  // namespace kulko
