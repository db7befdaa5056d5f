#include "system/part_file.hpp"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <utility>

namespace kulko {
namespace {

// Gives a name beside the target that no file has yet to whatever create
// makes of it; the name is empty when create fails for another reason.
template <typename Create>
std::string WithFreshName(const std::filesystem::path& target, Create create) {
    static unsigned counter = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = target.string() + ".part-" + std::to_string(::getpid()) + "-" +
                           std::to_string(counter++);
        if (create(name)) {
            return name;
        }
        if (errno != EEXIST) {
            break;
        }
    }
    return {};
}

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
        name_ = WithFreshName(target_, [this](const std::string& name) {
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
        name_ = WithFreshName(target_, [&self](const std::string& name) {
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
