#include "common/file_ops.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string>

#include "common/in_out_error.hpp"
#include "common/regular_file.hpp"
#include "common/write_all.hpp"

namespace kulko {
namespace {

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
    const int fd = OpenRegularFile(path, O_WRONLY | O_CREAT | O_TRUNC);
    if (const int error = WriteAllAt(fd, bytes, 0); error != 0) {
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
    int error = WriteAllAt(fd, bytes, 0);
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
