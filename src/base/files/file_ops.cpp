#include "files/file_ops.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <optional>
#include <span>
#include <string>

#include "files/disk_sync.hpp"
#include "files/in_out_error.hpp"
#include "files/read_some.hpp"
#include "files/regular_file.hpp"
#include "files/temporary_file.hpp"
#include "files/text_file.hpp"
#include "files/work_dir_lock.hpp"
#include "files/write_all.hpp"

namespace kulko {
namespace {

void CloseOrThrow(int fd) {
    if (::close(fd) != 0 && errno != EINTR) {
        throw InOutError::FromErrno(errno);
    }
}

// The file a name stands for: the name itself, or, for a symbolic link, the
// file at the end of its chain (which need not exist yet).
std::filesystem::path FollowLinks(std::filesystem::path path) {
    for (int hop = 0; hop < 40; ++hop) {
        struct stat info {};
        if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
            return path;
        }
        std::error_code error;
        const std::filesystem::path target = std::filesystem::read_symlink(path, error);
        if (error) {
            throw InOutError::FromErrno(error.value());
        }
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    throw InOutError::FromErrno(ELOOP);
}

using Pieces = std::span<const WritePiece>;

// Copies a stretch of one file into another at the offset: by the system
// where it can, else through a buffer.
int CopyStretch(const FileStretch& stretch, int fd, off_t at) {
    auto from = static_cast<off_t>(stretch.offset);
    std::uint64_t left = stretch.length;
    while (left > 0) {
        const ssize_t copied = ::copy_file_range(stretch.fd, &from, fd, &at, left, 0);
        if (copied > 0) {
            left -= static_cast<std::uint64_t>(copied);
            continue;
        }
        if (copied == 0) {
            return EIO;  // the file is shorter than it was when read
        }
        if (errno == EINTR) {
            continue;
        }
        if (errno != EXDEV && errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP) {
            return errno;
        }
        std::string buffer(std::min<std::uint64_t>(left, std::uint64_t{1} << 20), '\0');
        const ssize_t got = ReadSome(stretch.fd, buffer.data(), buffer.size(), from);
        if (got <= 0) {
            return got == 0 ? EIO : errno;
        }
        if (const int error =
                WriteAllAt(fd, std::string_view(buffer.data(), static_cast<std::size_t>(got)), at);
            error != 0) {
            return error;
        }
        from += got;
        at += got;
        left -= static_cast<std::uint64_t>(got);
    }
    return 0;
}

// Writes the pieces one after the other from the start of the file.
int WritePieces(int fd, Pieces pieces, off_t& size) {
    size = 0;
    for (const WritePiece& piece : pieces) {
        if (const auto* bytes = std::get_if<std::string_view>(&piece)) {
            if (const int error = WriteAllAt(fd, *bytes, size); error != 0) {
                return error;
            }
            size += static_cast<off_t>(bytes->size());
        } else {
            const FileStretch& stretch = std::get<FileStretch>(piece);
            if (const int error = CopyStretch(stretch, fd, size); error != 0) {
                return error;
            }
            size += static_cast<off_t>(stretch.length);
        }
    }
    return 0;
}

// Writes the bytes to a new file and renames it over the path. Returns 0 or
// the error number; on failure the path keeps its old file.
int ReplaceThroughTemporaryFile(const std::filesystem::path& path, Pieces bytes,
                                std::optional<mode_t> mode) {
    // Private to the owner until it has the mode of the file it replaces.
    TemporaryFile temp(path, mode ? 0600 : 0666);
    if (temp.Descriptor() < 0) {
        return temp.Error();
    }
    off_t size = 0;
    int error = WritePieces(temp.Descriptor(), bytes, size);
    if (error == 0 && mode && ::fchmod(temp.Descriptor(), *mode) != 0) {
        error = errno;
    }
    return error != 0 ? error : temp.ReplaceTarget(path);
}

// Throws when the file is no longer the version the caller read.
void ExpectVersion(const struct stat& now, const std::optional<FileIdentity>& read) {
    if (read && !(FileIdentity::Of(now) == *read)) {
        throw InOutError(kFileChangedMeanwhile);
    }
}

// Overwrites the open file from its start and cuts it to the new length.
int RewriteInPlace(int fd, Pieces bytes) {
    off_t size = 0;
    int error = WritePieces(fd, bytes, size);
    if (error == 0 && ::ftruncate(fd, size) != 0) {
        error = errno;
    }
    if (error == 0 && ::fsync(fd) != 0) {
        error = errno;
    }
    return error;
}

}  // namespace

bool FileExists(const std::filesystem::path& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

bool DeleteFileIfAny(const std::filesystem::path& path) {
    try {
        const WorkDirLock lock(DirectoryOf(path));
        return ::unlink(path.c_str()) == 0 && SyncDirectoryOf(path) == 0;
    } catch (const InOutError&) {
        return false;  // the directory is busy or gone: nothing was deleted
    }
}

void WriteNewFile(const std::filesystem::path& path, std::string_view bytes) {
    const WorkDirLock lock(DirectoryOf(path));
    const int fd = OpenRegularFile(path, O_WRONLY | O_CREAT | O_TRUNC);
    int error = WriteAllAt(fd, bytes, 0);
    if (error == 0) {
        error = SyncFile(fd);
    }
    if (::close(fd) != 0 && error == 0 && errno != EINTR) {
        error = errno;
    }
    if (error == 0) {
        error = SyncDirectoryOf(path);
    }
    if (error != 0) {
        throw InOutError::FromErrno(error);
    }
}

void SafeReplaceWrite(const std::filesystem::path& name, std::string_view bytes,
                      const std::optional<FileIdentity>& read) {
    const WritePiece piece = bytes;
    SafeReplaceWrite(name, Pieces(&piece, 1), read);
}

void SafeReplaceWrite(const std::filesystem::path& name, Pieces bytes,
                      const std::optional<FileIdentity>& read) {
    const WorkDirLock lock(DirectoryOf(name));
    const std::filesystem::path path = FollowLinks(name);
    struct stat old {};
    if (::stat(path.c_str(), &old) != 0) {
        if (errno != ENOENT) {
            throw InOutError::FromErrno(errno);
        }
        if (read) {
            throw InOutError(kFileChangedMeanwhile);  // the file read is gone
        }
        if (const int error = ReplaceThroughTemporaryFile(path, bytes, std::nullopt); error != 0) {
            throw InOutError::FromErrno(error);
        }
        return;
    }
    ExpectVersion(old, read);
    // Opening it for writing is the test that the user may write it at all.
    const int fd = OpenRegularFile(path, O_WRONLY);
    int error = ReplaceThroughTemporaryFile(path, bytes, old.st_mode & 07777);
    if (error == EACCES || error == EPERM || error == EROFS || error == EBUSY) {
        // The directory takes no new file, or no rename over this one (a
        // read-only folder, a file mounted on its own).
        error = RewriteInPlace(fd, bytes);
    }
    if (::close(fd) != 0 && error == 0 && errno != EINTR) {
        error = errno;
    }
    if (error != 0) {
        throw InOutError::FromErrno(error);
    }
}

bool WriteFileIfMissing(const std::filesystem::path& path, std::string_view bytes) {
    const WorkDirLock lock(DirectoryOf(path));
    if (FileExists(path)) {
        return false;
    }
    SafeReplaceWrite(path, bytes);
    return true;
}

void ReplaceFileWith(const std::filesystem::path& name, const std::filesystem::path& source,
                     const std::optional<FileIdentity>& read) {
    const WorkDirLock lock(DirectoryOf(name));
    const std::filesystem::path target = FollowLinks(name);
    struct stat old {};
    if (::stat(target.c_str(), &old) == 0) {
        ExpectVersion(old, read);
        // Opening it for writing is the test that the user may write it at all.
        CloseOrThrow(OpenRegularFile(target, O_WRONLY));
        if (::chmod(source.c_str(), old.st_mode & 07777) != 0) {
            throw InOutError::FromErrno(errno);
        }
    } else if (read) {
        throw InOutError(kFileChangedMeanwhile);
    }
    if (std::rename(source.c_str(), target.c_str()) == 0) {
        if (const int error = SyncDirectoryOf(target); error != 0) {
            throw InOutError::FromErrno(error);
        }
        return;
    }
    if (errno != EXDEV && errno != EBUSY) {
        throw InOutError::FromErrno(errno);
    }
    // A link into another file system, or a file mounted on its own: no
    // rename reaches it, so the bytes go there by a safe replace-write, which
    // rewrites the file in place where it must.
    SafeReplaceWrite(target, ReadWholeFile(source));
    ::unlink(source.c_str());
    if (const int error = SyncDirectoryOf(source); error != 0) {
        throw InOutError::FromErrno(error);
    }
}

}  // namespace kulko
