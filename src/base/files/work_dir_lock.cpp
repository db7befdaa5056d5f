#include "files/work_dir_lock.hpp"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <string>
#include <thread>
#include <vector>

#include "files/in_out_error.hpp"
#include "files/work_files.hpp"

namespace kulko {
namespace {

// A lock this thread holds: on which directory, through which descriptor,
// how many times over, and the lock file to remove on release ("" when the
// directory itself is locked).
struct Holding {
    dev_t device;
    ino_t inode;
    int fd;
    int count;
    std::string lockFile;
};

// Per thread, so that two threads of one process exclude each other as two
// programs do: each takes the kernel's lock through a descriptor of its own.
thread_local std::vector<Holding> holdings;

std::vector<Holding>::iterator Find(dev_t device, ino_t inode) {
    return std::find_if(holdings.begin(), holdings.end(), [&](const Holding& holding) {
        return holding.device == device && holding.inode == inode;
    });
}

bool IsPlainFile(int fd) {
    struct stat info {};
    return ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
}

// Opens what the lock is taken on: the lock file, made when missing (read-only
// when it is another user's), or the directory itself when there is no plain
// lock file and none can be made. name is left empty for the directory.
int OpenLockTarget(const std::filesystem::path& dir, std::string& name) {
    name = (dir / kLockFile).string();
    constexpr int kFlags = O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC;
    int fd = ::open(name.c_str(), O_RDWR | O_CREAT | kFlags, 0666);
    if (fd < 0) {
        fd = ::open(name.c_str(), O_RDONLY | kFlags);
    }
    if (fd >= 0 && IsPlainFile(fd)) {
        return fd;
    }
    if (fd >= 0) {
        ::close(fd);
    }
    name.clear();
    return ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
}

// Whether the locked file still goes by its name: the holder before removed
// it on release, and a newer lock file may stand in its place by now.
bool StillNamed(int fd, const std::string& name) {
    if (name.empty()) {
        return true;
    }
    struct stat held {};
    struct stat named {};
    return ::fstat(fd, &held) == 0 && ::lstat(name.c_str(), &named) == 0 &&
           held.st_dev == named.st_dev && held.st_ino == named.st_ino;
}

}  // namespace

WorkDirLock::WorkDirLock(const std::filesystem::path& dir, const std::function<void()>& wait) {
    struct stat info {};
    if (::stat(dir.c_str(), &info) != 0) {
        throw InOutError::FromErrno(errno);
    }
    device_ = info.st_dev;
    inode_ = info.st_ino;
    if (const auto held = Find(device_, inode_); held != holdings.end()) {
        ++held->count;
        return;
    }
    const auto deadline = std::chrono::steady_clock::now() + kLockPatience;
    for (;;) {
        std::string name;
        const int fd = OpenLockTarget(dir, name);
        if (fd < 0) {
            throw InOutError::FromErrno(errno);
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            if (StillNamed(fd, name)) {
                holdings.push_back({device_, inode_, fd, 1, std::move(name)});
                return;
            }
        } else if (errno != EWOULDBLOCK && errno != EINTR) {
            // A file system that keeps no locks: the change goes on unguarded,
            // as it did before there were any.
            holdings.push_back({device_, inode_, fd, 1, std::string()});
            return;
        }
        ::close(fd);
        if (std::chrono::steady_clock::now() >= deadline) {
            throw InOutError(kDirectoryBusy);
        }
        if (wait) {
            wait();
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

WorkDirLock::~WorkDirLock() {
    const auto held = Find(device_, inode_);
    if (held == holdings.end() || --held->count > 0) {
        return;
    }
    // Removed while still locked: whoever waits on this file finds it gone
    // once it gets the lock, and tries again on the newer one.
    if (!held->lockFile.empty()) {
        ::unlink(held->lockFile.c_str());
    }
    ::close(held->fd);
    holdings.erase(held);
}

std::filesystem::path DirectoryOf(const std::filesystem::path& file) {
    std::filesystem::path dir = file.parent_path();
    return dir.empty() ? std::filesystem::path(".") : dir;
}

}  // namespace kulko
