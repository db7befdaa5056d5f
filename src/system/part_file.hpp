#pragma once

#include <filesystem>
#include <string>

namespace kulko {

// The file a download is written to until it is whole, in the target's
// directory. Where the file system allows, it has no name until Commit, so
// that a fetch cut short, even by the end of the process, leaves nothing
// behind; elsewhere it is a named file beside the target, removed unless
// committed. It is created as a plain creation would create it: mode 0666
// less the umask.
class PartFile {
  public:
    explicit PartFile(std::filesystem::path target);
    ~PartFile();
    PartFile(const PartFile&) = delete;
    PartFile& operator=(const PartFile&) = delete;

    // The descriptor to write to; negative when no file could be created.
    int Descriptor() const { return fd_; }
    // Puts the whole file on disk and renames it over the target in one
    // step. On failure the target is left as it was and nothing remains.
    bool Commit();

  private:
    std::filesystem::path target_;
    int fd_ = -1;
    std::string name_;  // empty while the file has no name
};

}  // namespace kulko
