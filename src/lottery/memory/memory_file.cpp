#include "memory/memory_file.hpp"

#include "files/append_line.hpp"

namespace kulko {

void StoreSetLine(const std::filesystem::path& memoryFile, std::string_view setText) {
    AppendLine(memoryFile, setText, AppendMode::CreateIfMissing);
}

}  // namespace kulko
