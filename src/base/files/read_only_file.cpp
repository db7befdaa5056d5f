#include "files/read_only_file.hpp"

#include <fcntl.h>
#include <unistd.h>

#include "files/regular_file.hpp"

namespace kulko {

ReadOnlyFile::ReadOnlyFile(const std::filesystem::path& path)
    : fd_(OpenRegularFile(path, O_RDONLY)) {
    try {
        opened_ = FileIdentity::Of(fd_);
    } catch (...) {
        ::close(fd_);
        throw;
    }
}

ReadOnlyFile::~ReadOnlyFile() {
    ::close(fd_);
}

}  // namespace kulko
