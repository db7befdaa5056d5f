#include "files/previous_version.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "files/disk_sync.hpp"
#include "files/file_ops.hpp"
#include "files/fresh_name.hpp"
#include "files/in_out_error.hpp"
#include "files/work_dir_lock.hpp"

namespace kulko {
namespace {

bool SameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

bool SameFile(const std::filesystem::path& path, int fd) {
    struct stat named {};
    struct stat open {};
    return ::stat(path.c_str(), &named) == 0 && ::fstat(fd, &open) == 0 && SameFile(named, open);
}

// A second name of the file (the one a symbolic link leads to) beside
// kept, under a temporary name; empty when the file system gives none.
std::string LinkBeside(const std::filesystem::path& file, const std::filesystem::path& kept) {
    return CreateWithFreshName(kept, ".tmp-", [&](const std::string& name) {
        return ::linkat(AT_FDCWD, file.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0;
    });
}

}  // namespace

bool ReplaceKeepingPrevious(const std::filesystem::path& file, const std::filesystem::path& kept,
                            const FileStretch& old, std::span<const WritePiece> pieces,
                            const std::optional<FileIdentity>& read) {
    const WorkDirLock lock(DirectoryOf(file));
    if (read && !(IdentityOf(file) == *read)) {
        throw InOutError(kFileChangedMeanwhile);
    }
    // The old file's second name is made before and put in place after the
    // replacement, so that a failed one changes nothing at all.
    const std::string link = LinkBeside(file, kept);
    try {
        SafeReplaceWrite(file, pieces, read);
    } catch (const InOutError&) {
        if (!link.empty()) {
            ::unlink(link.c_str());
        }
        throw;
    }
    // A file that could not be replaced by a rename was rewritten where it
    // is: its old content is gone, and no name of it shows the old content.
    if (SameFile(file, old.fd)) {
        if (!link.empty()) {
            ::unlink(link.c_str());
        }
        return false;
    }
    if (!link.empty()) {
        const bool moved = std::rename(link.c_str(), kept.c_str()) == 0;
        // Gone after the rename, unless kept already was this very file.
        ::unlink(link.c_str());
        return moved && SyncDirectoryOf(kept) == 0;
    }
    // No second name here (another file system, or none that takes links):
    // a copy of the old file, which is still open.
    try {
        const WritePiece copy = old;
        SafeReplaceWrite(kept, std::span(&copy, 1));
        return true;
    } catch (const InOutError&) {
        return false;
    }
}

}  // namespace kulko
