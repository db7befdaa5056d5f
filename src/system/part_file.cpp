#include "system/part_file.hpp"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <utility>

#include "files/fresh_name.hpp"

namespace kulko {
namespace {

// An unnamed file can be given a name through /proc only.
bool CanNameUnnamedFiles() {
    return ::access("/proc/self/fd", X_OK) == 0;
}

}  // namespace

PartFile::PartFile(std::filesystem::path target) : target_(std::move(target)) {
    std::filesystem::path dir = target_.parent_path();
    if (dir.empty()) {
        dir = ".";
    }
    if (CanNameUnnamedFiles()) {
        fd_ = ::open(dir.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    }
    if (fd_ < 0) {
        // A file system without unnamed files: a named one, removed on failure.
        name_ = CreateWithFreshName(target_, ".part-", [this](const std::string& name) {
            fd_ = ::open(name.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0666);
            return fd_ >= 0;
        });
    }
}

PartFile::~PartFile() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
    if (!name_.empty()) {
        ::unlink(name_.c_str());
    }
}

bool PartFile::Commit() {
    if (fd_ < 0) {
        return false;
    }
    bool ok = ::fsync(fd_) == 0;
    if (ok && name_.empty()) {
        // A name can only be linked where none exists; the rename then puts
        // the file over the target in one step.
        const std::string self = "/proc/self/fd/" + std::to_string(fd_);
        name_ = CreateWithFreshName(target_, ".part-", [&self](const std::string& name) {
            return ::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0;
        });
        ok = !name_.empty();
    }
    ok = ::close(fd_) == 0 && ok;
    fd_ = -1;
    if (ok && std::rename(name_.c_str(), target_.c_str()) == 0) {
        name_.clear();
        return true;
    }
    return false;
}

}  // namespace kulko
