#pragma once

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <filesystem>

namespace kulko::test {

// Marks a file immutable, so that even root cannot rename over it, and
// clears the mark again before the directory is removed.
class ImmutableFile {
  public:
    explicit ImmutableFile(const std::filesystem::path& path)
        : fd_(::open(path.c_str(), O_RDONLY | O_CLOEXEC)) {
        if (fd_ >= 0 && ::ioctl(fd_, FS_IOC_GETFLAGS, &flags_) == 0) {
            int set = flags_ | FS_IMMUTABLE_FL;
            marked_ = ::ioctl(fd_, FS_IOC_SETFLAGS, &set) == 0;
        }
    }
    ~ImmutableFile() {
        if (marked_) {
            ::ioctl(fd_, FS_IOC_SETFLAGS, &flags_);
        }
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    bool Marked() const { return marked_; }

  private:
    int fd_;
    int flags_ = 0;
    bool marked_ = false;
};

}  // namespace kulko::test
