#include "files/fresh_name.hpp"

#include <unistd.h>

#include <atomic>

namespace kulko {

std::string SiblingName(const std::filesystem::path& path, std::string_view tag) {
    static std::atomic<unsigned> counter = 0;
    std::string name = path.string();
    name += tag;
    name += std::to_string(::getpid()) + "-" + std::to_string(counter++);
    return name;
}

}  // namespace kulko
