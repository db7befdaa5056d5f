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

void InputStamps::Take() {
    for (std::size_t i = 0; i < files_.size(); ++i) {
        taken_[i] = StampOf(files_[i]);
    }
}

bool InputStamps::Changed() const {
    for (std::size_t i = 0; i < files_.size(); ++i) {
        if (StampOf(files_[i]) != taken_[i]) {
            return true;
        }
    }
    return false;
}

}  // namespace kulko
