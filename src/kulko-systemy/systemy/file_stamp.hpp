#pragma once

#include <cstdint>
#include <filesystem>

namespace kulko {

// What a page's input file looked like when the page last counted: a file
// replaced or grown since has another size or time, and the page counts
// again by itself.
struct FileStamp {
    bool exists = false;
    std::uintmax_t size = 0;
    std::filesystem::file_time_type time{};

    bool operator==(const FileStamp&) const = default;
};

FileStamp StampOf(const std::filesystem::path& path);

}  // namespace kulko
