#pragma once

#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <functional>

namespace kulko {

// How long a change waits for another program to finish with the directory.
inline constexpr std::chrono::milliseconds kLockPatience{3000};

// What a change says when another program kept the directory for longer.
inline constexpr const char* kDirectoryBusy =
    "Inny program zmienia teraz pliki w tym katalogu. Nic nie zostało zmienione; "
    "spróbuj ponownie za chwilę.";

// One writer at a time in a working directory, across every program of the
// project: the window, the results tool and any later one. Every change to a
// file of the directory runs while its lock is held; readers take none, as
// every file is either replaced whole by a rename or only grown.
//
// The lock is an advisory flock(2) on the lock file of the directory (or on
// the directory itself where no lock file can be made, as in a read-only
// directory). The kernel releases it when its holder ends, however it ends.
// The lock file is removed again when the lock is released, so the directory
// holds no file of it between changes.
//
// The lock nests within a thread: a change made while the thread already
// holds the directory's lock (a renumbering that replaces the results file)
// takes it again at no cost. A lock held by another program is waited for
// for kLockPatience, calling `wait` between tries (a window answers its
// paint there); after that the constructor throws InOutError(kDirectoryBusy)
// and nothing has been changed.
class WorkDirLock {
  public:
    explicit WorkDirLock(const std::filesystem::path& dir, const std::function<void()>& wait = {});
    ~WorkDirLock();
    WorkDirLock(const WorkDirLock&) = delete;
    WorkDirLock& operator=(const WorkDirLock&) = delete;

  private:
    dev_t device_;
    ino_t inode_;
};

// The directory a file lies in: its working directory.
std::filesystem::path DirectoryOf(const std::filesystem::path& file);

}  // namespace kulko
