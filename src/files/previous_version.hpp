#pragma once

#include <filesystem>
#include <span>

#include "files/file_ops.hpp"

namespace kulko {

// Replaces the file with the pieces as SafeReplaceWrite does, after keeping
// its present content (old: the whole of it, open) under the name kept,
// which it replaces. Where the file system allows, kept becomes a second
// name of the old file, so that nothing is copied; elsewhere it is a copy.
// Throws InOutError: when kept cannot be made, the file stays as it was;
// when the replacement fails, kept holds the same as the file. Returns
// false when the file could only be rewritten where it is, which leaves no
// old content to keep: kept is then removed.
bool ReplaceKeepingPrevious(const std::filesystem::path& file, const std::filesystem::path& kept,
                            const FileStretch& old, std::span<const WritePiece> pieces);

}  // namespace kulko
