#include "files/write_all.hpp"

#include <unistd.h>

#include <cerrno>

namespace kulko {

int WriteAllAt(int fd, std::string_view bytes, off_t offset) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t wrote = ::pwrite(fd, bytes.data() + done, bytes.size() - done,
                                       offset + static_cast<off_t>(done));
        if (wrote < 0) {
            if (errno == EINTR) {
                continue;
            }
            return errno;
        }
        if (wrote == 0) {
            return ENOSPC;
        }
        done += static_cast<std::size_t>(wrote);
    }
    return 0;
}

}  // namespace kulko
