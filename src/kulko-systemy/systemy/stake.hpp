#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace kulko {

// The stake per ticket that kulko-systemy remembers between runs, as typed,
// in a small file of its own in the working directory (kStakeFile).

// The stake typed as "3", "3,50", "3.5" or "3,50 zł", in grosze; nothing
// when the text is not such an amount.
std::optional<std::int64_t> ParseStake(std::string_view text);

// The remembered stake text; empty when there is none. Throws InOutError
// when the file is there but cannot be read.
std::string LoadStake(const std::filesystem::path& file);
// Replaces the file safely (a failure leaves the old one). Throws InOutError.
void SaveStake(const std::filesystem::path& file, const std::string& text);

}  // namespace kulko
