#pragma once

#include <arpa/inet.h>
#include <netinet/in.h>
#include <stdlib.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "support/fakes.hpp"
#include "support/scoped_environment.hpp"
#include "platform/linux_system.hpp"

namespace kulko::test {

// The stand-in over the real download (with the limits given): a
// connection that is always there, started programs recorded and an Exit
// that throws.
class LoopbackSystem : public FakeSystem {
  public:
    explicit LoopbackSystem(DownloadLimits limits = {}) : linux_(limits) {
        connectionFlags = kConnectionLan;
        network = &linux_;
    }
    LoopbackSystem(const LoopbackSystem&) = delete;
    LoopbackSystem& operator=(const LoopbackSystem&) = delete;

  private:
    LinuxSystem linux_;
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

// A loopback port that never answers a connection attempt, as an unreachable
// host does: its queue of pending connections is kept full, so the kernel
// drops further connection requests and they wait for their time-out.
class UnansweredLoopbackPort {
  public:
    UnansweredLoopbackPort() {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t size = sizeof address;
        listener_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (listener_ < 0 ||
            ::bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
            ::listen(listener_, 0) != 0 ||
            ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &size) != 0) {
            return;
        }
        port_ = ntohs(address.sin_port);
        // Connections that are never accepted fill the queue.
        for (int& filler : fillers_) {
            filler = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
            if (filler >= 0) {
                ::connect(filler, reinterpret_cast<sockaddr*>(&address), sizeof address);
            }
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    ~UnansweredLoopbackPort() {
        for (int fd : fillers_) {
            if (fd >= 0) {
                ::close(fd);
            }
        }
        if (listener_ >= 0) {
            ::close(listener_);
        }
    }
    UnansweredLoopbackPort(const UnansweredLoopbackPort&) = delete;
    UnansweredLoopbackPort& operator=(const UnansweredLoopbackPort&) = delete;

    int Port() const { return port_; }

  private:
    int listener_ = -1;
    int fillers_[3] = {-1, -1, -1};
    int port_ = -1;
};

}  // namespace kulko::test
