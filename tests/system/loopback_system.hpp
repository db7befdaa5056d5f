#pragma once

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "support/fakes.hpp"
#include "system/linux_system.hpp"

namespace kulko::test {

// The real download with short limits, but a connection that is always
// there, started programs recorded and an Exit that throws.
class LoopbackSystem : public LinuxSystem {
  public:
    using LinuxSystem::LinuxSystem;

    int ConnectionFlags() override { return kConnectionLan; }
    void StartProgram(const std::filesystem::path& workDir, const std::string& program,
                      const std::vector<std::string>& args) override {
        (void)workDir;
        started.push_back(program);
        for (const auto& arg : args) {
            started.back() += " " + arg;
        }
    }
    [[noreturn]] void Exit() override {
        ++exits;
        throw ProgramExited();
    }

    std::vector<std::string> started;
    int exits = 0;
};

// Limits that keep the failure cases of the tests short.
inline DownloadLimits ShortLimits() {
    DownloadLimits limits;
    limits.connectTimeout = std::chrono::milliseconds(1000);
    limits.stallTimeout = std::chrono::milliseconds(1000);
    limits.totalTimeout = std::chrono::milliseconds(10000);
    limits.maxBytes = 64 * 1024;
    return limits;
}

// A port on 127.0.0.1 where nothing listens: connections are refused.
inline int UnusedLoopbackPort() {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    socklen_t size = sizeof address;
    int port = -1;
    if (fd >= 0 && ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &size) == 0) {
        port = ntohs(address.sin_port);
    }
    if (fd >= 0) {
        ::close(fd);  // bound but never listening: the port is now free
    }
    return port;
}

}  // namespace kulko::test
