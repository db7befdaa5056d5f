#pragma once

#include <filesystem>
#include <optional>
#include <span>

#include "files/file_identity.hpp"
#include "files/file_ops.hpp"

namespace kulko {

// Replaces the file with the pieces as SafeReplaceWrite does, and keeps its
// old content (old: the whole of it, still open) under the name kept, which
// it replaces. Where the file system allows, kept becomes a second name of
// the old file, so that nothing is copied; elsewhere it is a copy. Runs
// under the lock of the file's directory; everything made is on the disk
// when it returns. As with SafeReplaceWrite, `read` is the identity of the
// file as the caller read it. Throws InOutError when the replacement fails:
// then nothing at all has changed. Returns false when the file is replaced
// but its old content could not be kept (a file that could only be
// rewritten where it is has none left).
bool ReplaceKeepingPrevious(const std::filesystem::path& file, const std::filesystem::path& kept,
                            const FileStretch& old, std::span<const WritePiece> pieces,
                            const std::optional<FileIdentity>& read = std::nullopt);

}  // namespace kulko
