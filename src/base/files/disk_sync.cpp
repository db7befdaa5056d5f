#include "files/disk_sync.hpp"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "files/work_dir_lock.hpp"

namespace kulko {

int SyncFile(int fd) {
    return ::fsync(fd) == 0 ? 0 : errno;
}

int SyncDirectoryOf(const std::filesystem::path& file) {
    const int fd = ::open(DirectoryOf(file).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        return 0;  // a directory that may be searched but not read: no way to sync it
    }
    int error = SyncFile(fd);
    // Some file systems keep no directory on a disk of their own to sync.
    if (error == EINVAL || error == EROFS) {
        error = 0;
    }
    ::close(fd);
    return error;
}

}  // namespace kulko
