#pragma once

#include <sys/types.h>

#include <filesystem>
#include <string>

namespace kulko {

// A new file written to take the place of another in one step. Where the
// file system allows, it has no name until it is whole, so that a writer cut
// short, even killed, leaves nothing behind; elsewhere it is a named file
// beside the one it replaces, removed unless it took that one's place (and
// removed at the next start when its writer was killed: its name holds the
// writer's process id).
class TemporaryFile {
  public:
    // A file in the directory of `beside`, created with the mode (less the
    // umask). `scratchName`, when given, is the name the file goes by before
    // it takes its place (the renumbering's scratch file); an old file of
    // that name is replaced. Otherwise it gets a fresh name beside `beside`.
    TemporaryFile(const std::filesystem::path& beside, mode_t mode,
                  const std::filesystem::path& scratchName = {});
    ~TemporaryFile();
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    // The descriptor to write to; negative when no file could be created,
    // Error() then telling why.
    int Descriptor() const { return fd_; }
    int Error() const { return error_; }

    // Puts the whole file on disk, closes it and gives it its name. Returns
    // 0 or the error number.
    int Finish();
    // The name Finish gave; it is removed on destruction unless Moved.
    const std::string& Name() const { return name_; }
    // The file has been renamed away: nothing is left to remove.
    void Moved() { name_.clear(); }

    // Finish, then the file renamed over the target and the directory synced.
    // Returns 0 or the error number; on failure the target is as it was and
    // nothing of the temporary file remains.
    int ReplaceTarget(const std::filesystem::path& target);

  private:
    std::filesystem::path beside_;
    std::filesystem::path scratchName_;
    int fd_ = -1;
    int error_ = 0;
    std::string name_;  // empty while the file has no name
};

}  // namespace kulko
