#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string_view>
#include <variant>

#include "files/file_identity.hpp"

namespace kulko {

// File operations of the program. Each either succeeds or throws InOutError,
// except where the result is returned for the caller to decide.

bool FileExists(const std::filesystem::path& path);

// Deletes a file (under the directory's lock); whether it existed or could be
// deleted is returned, not thrown.
bool DeleteFileIfAny(const std::filesystem::path& path);

// Every change below runs under the lock of the file's directory
// (WorkDirLock) and is on the disk when it returns: the file synced, and the
// directory too after a rename or a new file.

// Creates the file anew (truncating an existing one) and writes the bytes.
// Used where the loss of the file costs nothing (an empty marker). Anything
// but a plain file is refused with "File access denied".
void WriteNewFile(const std::filesystem::path& path, std::string_view bytes);

// Replaces the whole file safely: the bytes go to a temporary file beside
// it (one without a name until it is whole, where the file system allows),
// which is synced and then renamed over it in one atomic step, so any
// failure leaves the old file as it was (and no temporary file behind).
// - A symbolic link is followed: the file it points to is replaced (its
//   temporary file lies beside that file) and the link stays.
// - The file keeps its permission bits; a new file gets those of a plain
//   creation (0666 less the umask).
// - A file the user may not write, or one that is not a plain file (a FIFO,
//   a socket, a device), is refused with "File access denied" and stays.
// - When the directory takes no new file or no rename over this one (a
//   read-only folder, a file mounted on its own) but the file itself is
//   writable, the file is rewritten where it is instead, so that it can
//   still be stored.
// - With `read`, the identity of the file as the caller read it: when the
//   file is no longer that one (a program that keeps no lock changed it),
//   nothing is written and kFileChangedMeanwhile is thrown.
void SafeReplaceWrite(const std::filesystem::path& path, std::string_view bytes,
                      const std::optional<FileIdentity>& read = std::nullopt);

// Writes the file as SafeReplaceWrite does, but only when it does not exist
// yet; true when it was written. An existing file is never touched.
bool WriteFileIfMissing(const std::filesystem::path& path, std::string_view bytes);

// A stretch of an open file, to be copied into a file being written.
struct FileStretch {
    int fd = -1;
    std::uint64_t offset = 0;
    std::uint64_t length = 0;
};
// What goes into a file: bytes in memory, or a stretch of another file.
using WritePiece = std::variant<std::string_view, FileStretch>;

// The same for pieces written one after the other, so that a large file
// with a few lines added is copied by the system and never held in memory.
// A stretch that turns out shorter than its length fails the write.
void SafeReplaceWrite(const std::filesystem::path& path, std::span<const WritePiece> pieces,
                      const std::optional<FileIdentity>& read = std::nullopt);

// Puts a finished file (the renumbered or the downloaded history) in place
// of the target by one atomic rename; throws InOutError on failure (the
// target then keeps its old content and the source stays). Like a safe
// replace-write, it follows a symbolic link to the file it points to, keeps
// that file's permission bits, refuses a target the user may not write or
// one that is not a plain file with "File access denied", rewrites a target
// that no rename may replace (mounted on its own) in place, and with `read`
// replaces only the version of the target the caller read.
void ReplaceFileWith(const std::filesystem::path& target, const std::filesystem::path& source,
                     const std::optional<FileIdentity>& read = std::nullopt);

}  // namespace kulko
