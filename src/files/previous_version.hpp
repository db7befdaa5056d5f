#pragma once

#include <filesystem>
#include <span>
#include <string_view>

namespace kulko {

// Replaces the file with the pieces as SafeReplaceWrite does, after keeping
// its present content (oldBytes, as the caller read it) under the name
// kept, which it replaces. Where the file system allows, kept becomes a
// second name of the old file, so that nothing is copied; elsewhere it is
// a copy. Throws InOutError: when kept cannot be made, the file stays as it
// was; when the replacement fails, kept holds the same as the file.
void ReplaceKeepingPrevious(const std::filesystem::path& file, const std::filesystem::path& kept,
                            std::string_view oldBytes, std::span<const std::string_view> pieces);

}  // namespace kulko
