// Connection state and HTTP download. Until the update support lands the
// program reports no connection, so start-up never waits on the network.
#include "system/linux_system.hpp"

namespace kulko {

int LinuxSystem::ConnectionFlags() { return 0; }

bool LinuxSystem::Download(const std::string& url, const std::filesystem::path& target) {
    (void)url;
    (void)target;
    return false;
}

}  // namespace kulko
