#pragma once

#include <sys/stat.h>

#include <filesystem>

namespace kulko {

// What tells one version of a file from another without reading it: the
// device and inode (a file replaced by a rename is another inode), the size
// and the time of the last change (a file rewritten in place).
struct FileIdentity {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    timespec modified{};

    static FileIdentity Of(const struct stat& info);
    friend bool operator==(const FileIdentity& a, const FileIdentity& b);
};

// The identity of the file the path stands for (a symbolic link is
// followed); throws InOutError when there is none.
FileIdentity IdentityOf(const std::filesystem::path& path);

// What a change says when the file it read was changed by a program that
// keeps no lock (an editor) before the change could be written.
inline constexpr const char* kFileChangedMeanwhile =
    "Plik został w międzyczasie zmieniony przez inny program. Nic nie zostało zmienione; "
    "spróbuj ponownie.";

}  // namespace kulko
