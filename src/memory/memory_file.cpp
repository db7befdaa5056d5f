#include "memory/memory_file.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

#include "common/file_ops.hpp"

namespace kulko {
namespace {

// What must come before a new line so that it starts a line of its own:
// nothing after a LF, the LF of a CR LF pair after a bare CR, a whole
// CR LF otherwise. A file that cannot be looked at needs nothing here; the
// append then reports what is wrong with it.
std::string_view MissingLineEnd(const std::filesystem::path& file) {
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return {};
    }
    std::string_view missing;
    struct stat info {};
    char last = '\n';
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0 &&
        ::pread(fd, &last, 1, info.st_size - 1) == 1) {
        if (last == '\r') {
            missing = "\n";
        } else if (last != '\n') {
            missing = "\r\n";
        }
    }
    ::close(fd);
    return missing;
}

}  // namespace

void StoreSetLine(const std::filesystem::path& memoryFile, std::string_view setText) {
    std::string bytes(MissingLineEnd(memoryFile));
    bytes += setText;
    bytes += "\r\n";
    AppendToFile(memoryFile, bytes, AppendMode::CreateIfMissing);
}

}  // namespace kulko
