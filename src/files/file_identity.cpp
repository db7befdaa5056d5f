#include "files/file_identity.hpp"

#include <cerrno>

#include "files/in_out_error.hpp"

namespace kulko {

FileIdentity FileIdentity::Of(const struct stat& info) {
    return {info.st_dev, info.st_ino, info.st_size, info.st_mtim};
}

bool operator==(const FileIdentity& a, const FileIdentity& b) {
    return a.device == b.device && a.inode == b.inode && a.size == b.size &&
           a.modified.tv_sec == b.modified.tv_sec && a.modified.tv_nsec == b.modified.tv_nsec;
}

FileIdentity IdentityOf(const std::filesystem::path& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        throw InOutError::FromErrno(errno);
    }
    return FileIdentity::Of(info);
}

}  // namespace kulko
