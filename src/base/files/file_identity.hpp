#pragma once

#include <sys/stat.h>
#include <sys/types.h>

#include <cstdint>
#include <ctime>
#include <filesystem>

namespace kulko {

// What the file system tells of one file at one moment: which file it is
// (device and inode), its size, and its modification and change times to the
// nanosecond. A reader that keeps what it learned of a file trusts it later
// only while the file is provably the same.
//
// File times are coarser than they look (the kernel's clock tick, seconds on
// some file systems), so a file that had changed shortly before it was read
// may change again without its times telling. Like a racily clean entry of a
// version-control index, a snapshot taken less than two seconds after the
// file's last change (by its modification or its change time) is "racy" and
// proves nothing.
//
// A change that first reads a file and then writes it compares the two
// identities with ==: same file, size and modification time.
class FileIdentity {
  public:
    // The identity of an open file now. Throws InOutError.
    static FileIdentity Of(int fd);
    // The identity of the file a path names now; false when it cannot be
    // looked at (missing, no access).
    static bool OfPath(const char* path, FileIdentity& identity);
    // The identity that `info` describes, taken at the moment `now`.
    static FileIdentity FromStat(const struct stat& info, const timespec& now);
    // The identity that `info`, taken just now, describes.
    static FileIdentity Of(const struct stat& info);

    // True when `now` is the same file, of the same size and with the same
    // times, and this snapshot was not racy: nothing can have changed.
    bool ProvesUnchanged(const FileIdentity& now) const;
    // True when `now` is the same file (device and inode), longer: for a
    // file the program only ever grows, its bytes so far are still the same.
    bool GrewInto(const FileIdentity& now) const;
    // True when `other` is the same file (device and inode), whatever its
    // content.
    bool SameFile(const FileIdentity& other) const {
        return device_ == other.device_ && inode_ == other.inode_;
    }

    std::uint64_t Size() const { return size_; }
    bool Racy() const { return racy_; }

    // The same file, of the same size and modification time (what tells
    // one version of a file from another without reading it).
    friend bool operator==(const FileIdentity& a, const FileIdentity& b);

  private:
    dev_t device_ = 0;
    ino_t inode_ = 0;
    std::uint64_t size_ = 0;
    timespec modified_{};
    timespec changed_{};
    bool racy_ = true;
};

// The identity of the file the path stands for (a symbolic link is
// followed); throws InOutError when there is none.
FileIdentity IdentityOf(const std::filesystem::path& path);

// What a change says when the file it read was changed by a program that
// keeps no lock (an editor) before the change could be written.
inline constexpr const char* kFileChangedMeanwhile =
    "Plik został w międzyczasie zmieniony przez inny program. Nic nie zostało zmienione; "
    "spróbuj ponownie.";

// What a reader saw of the end of a text file that the program only grows:
// the file's identity when it was read, whether a Ctrl-Z ended its text, and
// the file's last byte ('\n' for an empty file). While the file is provably
// unchanged, an append may trust this instead of reading the file.
struct KnownTextEnd {
    FileIdentity identity;
    bool ctrlZ = false;
    char lastByte = '\n';
};

}  // namespace kulko
