#include "files/in_out_error.hpp"

#include <cerrno>

namespace kulko {

InOutError InOutError::FromErrno(int error) {
    switch (error) {
        case ENOENT:
        case ENOTDIR:
            return InOutError("File not found");
        case EACCES:
        case EPERM:
        case EROFS:
        case EISDIR:
        case ETXTBSY:
            return InOutError("File access denied");
        case ENOSPC:
        case EDQUOT:
        case EFBIG:
            return InOutError("Disk full");
        case ENAMETOOLONG:
        case EINVAL:
        case ELOOP:
            return InOutError("Invalid filename");
        case EMFILE:
        case ENFILE:
            return InOutError("Too many open files");
        default:
            return InOutError("I/O error " + std::to_string(error));
    }
}

InOutError InOutError::ReadBeyondEnd() {
    return InOutError("Read beyond end of file");
}

}  // namespace kulko
