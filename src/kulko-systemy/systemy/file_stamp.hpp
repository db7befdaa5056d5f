#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

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

// The input files of a page, each with its stamp as at the page's last
// count; before the first one no file counts as unchanged.
class InputStamps {
  public:
    explicit InputStamps(std::vector<std::filesystem::path> files)
        : files_(std::move(files)), taken_(files_.size()) {}

    // The files as the count about to start finds them.
    void Take();
    // Whether a file was replaced, grown, made or removed since Take.
    bool Changed() const;

  private:
    std::vector<std::filesystem::path> files_;
    std::vector<FileStamp> taken_;
};

}  // namespace kulko
