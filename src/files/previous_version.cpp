#include "files/previous_version.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "files/file_ops.hpp"
#include "files/fresh_name.hpp"
#include "files/in_out_error.hpp"

namespace kulko {
namespace {

bool SameFile(const std::filesystem::path& a, const std::filesystem::path& b) {
    struct stat first {};
    struct stat second {};
    return ::stat(a.c_str(), &first) == 0 && ::stat(b.c_str(), &second) == 0 &&
           first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

// kept as a second name of the file (the one a symbolic link leads to),
// put in place by one rename; false when the file system gives no link.
bool LinkAsKept(const std::filesystem::path& file, const std::filesystem::path& kept) {
    const std::string link = CreateWithFreshName(kept, ".tmp-", [&](const std::string& name) {
        return ::linkat(AT_FDCWD, file.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0;
    });
    if (link.empty()) {
        return false;
    }
    const int renamed = std::rename(link.c_str(), kept.c_str());
    const int error = errno;
    // Gone after the rename, unless kept already was this very file.
    ::unlink(link.c_str());
    if (renamed != 0) {
        throw InOutError::FromErrno(error);
    }
    return true;
}

}  // namespace

bool ReplaceKeepingPrevious(const std::filesystem::path& file, const std::filesystem::path& kept,
                            const FileStretch& old, std::span<const WritePiece> pieces) {
    if (!LinkAsKept(file, kept)) {
        const WritePiece copy = old;
        SafeReplaceWrite(kept, std::span(&copy, 1));
    }
    SafeReplaceWrite(file, pieces);
    // A file that could not be replaced by a rename was rewritten where it
    // is: a second name of it shows the new content, not the old.
    if (SameFile(file, kept)) {
        ::unlink(kept.c_str());
        return false;
    }
    return true;
}

}  // namespace kulko
