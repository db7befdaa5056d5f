#include "files/temporary_file.hpp"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "files/disk_sync.hpp"
#include "files/fresh_name.hpp"
#include "files/regular_file.hpp"
#include "files/work_dir_lock.hpp"
#include "files/work_files.hpp"

namespace kulko {
namespace {

// An unnamed file can be given a name through /proc only.
bool CanNameUnnamedFiles() {
    static const bool can = ::access("/proc/self/fd", X_OK) == 0;
    return can;
}

}  // namespace

TemporaryFile::TemporaryFile(const std::filesystem::path& beside, mode_t mode,
                             const std::filesystem::path& scratchName)
    : beside_(beside), scratchName_(scratchName) {
    if (CanNameUnnamedFiles()) {
        fd_ = ::open(DirectoryOf(beside).c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, mode);
        if (fd_ >= 0) {
            return;
        }
    }
    // A file system without unnamed files, or a directory that takes no new
    // file: a named one. A scratch file left from before is written over, so
    // that it can still be used where the directory takes no new file.
    if (!scratchName_.empty()) {
        fd_ = OpenRegularFile(scratchName_, O_WRONLY | O_CREAT | O_TRUNC, mode, error_);
        name_ = fd_ >= 0 ? scratchName_.string() : std::string();
        return;
    }
    name_ = CreateWithFreshName(beside_, kTemporaryTag, [&](const std::string& name) {
        fd_ = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        return fd_ >= 0;
    });
    if (fd_ < 0) {
        error_ = errno;
    }
}

TemporaryFile::~TemporaryFile() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
    if (!name_.empty()) {
        ::unlink(name_.c_str());
    }
}

int TemporaryFile::Finish() {
    if (fd_ < 0) {
        return error_ != 0 ? error_ : EBADF;
    }
    int error = SyncFile(fd_);
    if (error == 0 && name_.empty()) {
        const std::string self = "/proc/self/fd/" + std::to_string(fd_);
        const auto link = [&self](const std::string& name) {
            return ::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0;
        };
        if (!scratchName_.empty()) {
            // A scratch file of a writer that was killed is no obstacle.
            ::unlink(scratchName_.c_str());
            name_ = link(scratchName_.string()) ? scratchName_.string() : std::string();
        } else {
            name_ = CreateWithFreshName(beside_, kTemporaryTag, link);
        }
        if (name_.empty()) {
            error = errno;
        }
    }
    if (::close(fd_) != 0 && error == 0 && errno != EINTR) {
        error = errno;
    }
    fd_ = -1;
    return error;
}

int TemporaryFile::ReplaceTarget(const std::filesystem::path& target) {
    int error = Finish();
    if (error == 0 && std::rename(name_.c_str(), target.c_str()) != 0) {
        error = errno;
    }
    if (error == 0) {
        Moved();
        error = SyncDirectoryOf(target);
    }
    return error;
}

}  // namespace kulko
