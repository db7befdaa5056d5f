#pragma once

#include <filesystem>

#include "files/file_identity.hpp"

namespace kulko {

// A plain file opened for reading (see OpenRegularFile), closed when it goes.
class ReadOnlyFile {
  public:
    // Throws InOutError: "File not found", "File access denied", ...
    explicit ReadOnlyFile(const std::filesystem::path& path);
    ~ReadOnlyFile();
    ReadOnlyFile(const ReadOnlyFile&) = delete;
    ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;

    int Fd() const { return fd_; }
    // The file's identity when it was opened, and now.
    const FileIdentity& OpenedIdentity() const { return opened_; }
    FileIdentity Identity() const { return FileIdentity::Of(fd_); }

  private:
    int fd_;
    FileIdentity opened_;
};

}  // namespace kulko
