#pragma once

#include <filesystem>
#include <string_view>

namespace kulko {

// File operations of the program. Each either succeeds or throws InOutError,
// except where the result is returned for the caller to decide.

bool FileExists(const std::filesystem::path& path);

// Deletes a file; whether it existed or could be deleted is returned, not thrown.
bool DeleteFileIfAny(const std::filesystem::path& path);

// Creates the file anew (truncating an existing one) and writes the bytes.
// Used where the program has always truncated first, for files whose loss
// costs nothing (the version note, an empty marker). Anything but a plain
// file is refused with "File access denied".
void WriteNewFile(const std::filesystem::path& path, std::string_view bytes);

// Replaces the whole file safely: the bytes go to a temporary file in the
// same directory, which is synced and then renamed over the target in one
// atomic step. On any failure the old file stays as it was and the temporary
// file is removed.
void SafeReplaceWrite(const std::filesystem::path& path, std::string_view bytes);

// Renames from over to in one atomic step; throws InOutError on failure
// (the target then keeps its old content and the source stays).
void ReplaceFileWith(const std::filesystem::path& target, const std::filesystem::path& source);

}  // namespace kulko
