#include "systemy/file_stamp.hpp"

#include <system_error>

namespace kulko {

FileStamp StampOf(const std::filesystem::path& path) {
    std::error_code error;
    FileStamp stamp;
    stamp.size = std::filesystem::file_size(path, error);
    if (error) {
        return {};
    }
    stamp.time = std::filesystem::last_write_time(path, error);
    stamp.exists = !error;
    return stamp;
}

}  // namespace kulko
