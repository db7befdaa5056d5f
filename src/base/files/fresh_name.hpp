#pragma once

#include <cerrno>
#include <filesystem>
#include <string>
#include <string_view>

namespace kulko {

// A name beside the path for a file of this process: the path, the tag,
// the process id and a counter: "<path>.tmp-812-0" for the tag ".tmp-".
std::string SiblingName(const std::filesystem::path& path, std::string_view tag);

// Calls create(name) with sibling names until one is made, and returns it;
// empty when create fails for any reason but an existing file (errno EEXIST),
// errno then telling why.
template <typename Create>
std::string CreateWithFreshName(const std::filesystem::path& path, std::string_view tag,
                                Create create) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = SiblingName(path, tag);
        if (create(name)) {
            return name;
        }
        if (errno != EEXIST) {
            break;
        }
    }
    return {};
}

}  // namespace kulko
