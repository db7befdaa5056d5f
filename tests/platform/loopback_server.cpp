#include "platform/loopback_server.hpp"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <stdexcept>

namespace kulko::test {

LoopbackServer::LoopbackServer(int port, const std::filesystem::path& folder) {
    if (!folder.empty() && !server_.set_mount_point("/", folder.string())) {
        throw std::runtime_error("cannot serve " + folder.string());
    }
    server_.Get(".*", [this](const httplib::Request& request, httplib::Response& response) {
        Answer(request, response);
    });
    if (port == 0) {
        port_ = server_.bind_to_any_port("127.0.0.1");
    } else if (server_.bind_to_port("127.0.0.1", port)) {
        port_ = port;
    }
    if (port_ <= 0) {
        throw std::runtime_error("cannot bind a loopback port");
    }
    // The socket listens from here on; requests wait in its backlog until
    // the accepting thread runs. Stopping works only once the server runs.
    thread_ = std::thread([this] { server_.listen_after_bind(); });
    while (!server_.is_running()) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

LoopbackServer::~LoopbackServer() {
    stopping_ = true;
    server_.stop();
    thread_.join();
}

std::string LoopbackServer::Host() const {
    return "127.0.0.1:" + std::to_string(port_);
}

void LoopbackServer::Serve(const std::string& path, Reply reply) {
    const std::lock_guard<std::mutex> lock(mutex_);
    replies_[path] = std::move(reply);
}

void LoopbackServer::WaitUntilStopping(const httplib::DataSink& sink) const {
    while (!stopping_ && sink.is_writable()) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

void LoopbackServer::Answer(const httplib::Request& request, httplib::Response& response) {
    Reply reply;
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        const auto it = replies_.find(request.path);
        if (it == replies_.end()) {
            response.status = 404;
            response.set_content("<html><body>404 Not Found</body></html>", "text/html");
            return;
        }
        reply = it->second;
    }
    if (reply.kind == Reply::Kind::Silent) {
        while (!stopping_) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return;
    }
    response.status = reply.status;
    switch (reply.kind) {
        case Reply::Kind::Whole:
            response.set_content(reply.body, reply.contentType);
            break;
        case Reply::Kind::Redirect:
            response.set_redirect(reply.body, reply.status);
            break;
        case Reply::Kind::Chunked:
            response.set_chunked_content_provider(
                reply.contentType,
                [body = reply.body](std::size_t offset, httplib::DataSink& sink) {
                    if (offset < body.size()) {
                        const std::size_t piece = std::min<std::size_t>(4096, body.size() - offset);
                        sink.write(body.data() + offset, piece);
                    } else {
                        sink.done();
                    }
                    return true;
                });
            break;
        case Reply::Kind::Stall:
        case Reply::Kind::Truncated:
        case Reply::Kind::Silent:
            response.set_content_provider(
                reply.body.size(), reply.contentType,
                [this, reply](std::size_t offset, std::size_t, httplib::DataSink& sink) {
                    if (offset < reply.sent) {
                        sink.write(reply.body.data() + offset, reply.sent - offset);
                        return true;
                    }
                    if (reply.kind == Reply::Kind::Stall) {
                        WaitUntilStopping(sink);
                    }
                    return false;  // closes the connection mid-body
                });
            break;
    }
}

DroppingLoopbackServer::DroppingLoopbackServer(Ending ending) : ending_(ending) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    listener_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    // The connections it closes linger on the port for a while; with these
    // set, a server started on the port after this one may still bind it.
    const int yes = 1;
    for (const int option : {SO_REUSEADDR, SO_REUSEPORT}) {
        ::setsockopt(listener_, SOL_SOCKET, option, &yes, sizeof yes);
    }
    if (listener_ < 0 ||
        ::bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(listener_, 8) != 0 ||
        ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &size) != 0) {
        if (listener_ >= 0) {
            ::close(listener_);
        }
        throw std::runtime_error("cannot bind a loopback port");
    }
    port_ = ntohs(address.sin_port);
    thread_ = std::thread([this] {
        while (!stopping_) {
            pollfd waiting{listener_, POLLIN, 0};
            if (::poll(&waiting, 1, 10) == 1) {
                const int connection = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
                if (connection >= 0) {
                    Drop(connection);
                }
            }
        }
    });
}

DroppingLoopbackServer::~DroppingLoopbackServer() {
    stopping_ = true;
    thread_.join();
    ::close(listener_);
}

void DroppingLoopbackServer::Drop(int connection) const {
    // The whole request is read first, so the client has sent it and waits
    // for an answer when the connection ends.
    std::string request;
    char buffer[1024];
    while (request.find("\r\n\r\n") == std::string::npos) {
        pollfd readable{connection, POLLIN, 0};
        if (::poll(&readable, 1, 2000) != 1) {
            break;
        }
        const ssize_t got = ::recv(connection, buffer, sizeof buffer, 0);
        if (got <= 0) {
            break;
        }
        request.append(buffer, static_cast<std::size_t>(got));
    }
    if (ending_ == Ending::Reset) {
        const linger abort{1, 0};
        ::setsockopt(connection, SOL_SOCKET, SO_LINGER, &abort, sizeof abort);
    }
    ::close(connection);
}

}  // namespace kulko::test
