#include "support/fakes.hpp"

#include <fstream>

namespace kulko::test {

bool FakeSystem::Download(const std::string& url, const std::filesystem::path& target) {
    fetched.push_back(url);
    if (network != nullptr) {
        return network->Download(url, target);
    }
    const auto it = downloads.find(url);
    if (it == downloads.end()) {
        return false;
    }
    std::ofstream out(target, std::ios::binary | std::ios::trunc);
    out << it->second;
    return static_cast<bool>(out);
}

}  // namespace kulko::test
