#pragma once

#include <httplib.h>

#include <atomic>
#include <filesystem>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <utility>

namespace kulko::test {

// How the server answers one path.
struct Reply {
    enum class Kind {
        Whole,      // the body with its Content-Length
        Chunked,    // the body in chunks, no length declared
        Stall,      // the declared length, the first `sent` bytes, then silence
        Truncated,  // the declared length, the first `sent` bytes, then the connection closes
        Silent,     // the connection is taken, but no answer ever comes
        Redirect,   // the status with a Location header: the body is the target path
    };
    Reply(int status = 200, std::string body = {}, Kind kind = Kind::Whole, std::size_t sent = 0,
          std::string contentType = "text/plain")
        : status(status),
          body(std::move(body)),
          kind(kind),
          sent(sent),
          contentType(std::move(contentType)) {}

    int status;
    std::string body;
    Kind kind;
    std::size_t sent;
    std::string contentType;
};

// A real HTTP server on 127.0.0.1 at a free port, answering GET requests
// from a table of replies; paths not in the table get 404.
class LoopbackServer {
  public:
    // On a free port, or on the given one.
    explicit LoopbackServer(int port = 0) : LoopbackServer(port, {}) {}
    // Also a static file server: the files below folder come first.
    LoopbackServer(int port, const std::filesystem::path& folder);
    ~LoopbackServer();
    LoopbackServer(const LoopbackServer&) = delete;
    LoopbackServer& operator=(const LoopbackServer&) = delete;

    // "127.0.0.1:port", as the window takes the update host.
    std::string Host() const;
    void Serve(const std::string& path, Reply reply);

  private:
    void Answer(const httplib::Request& request, httplib::Response& response);
    void WaitUntilStopping(const httplib::DataSink& sink) const;

    httplib::Server server_;
    std::thread thread_;
    int port_ = -1;
    std::atomic<bool> stopping_{false};
    std::mutex mutex_;
    std::map<std::string, Reply> replies_;
};

// A server on 127.0.0.1 at a free port that reads each request and ends the
// connection without any answer: closed, as a server told to drop a request
// does, or reset.
class DroppingLoopbackServer {
  public:
    enum class Ending { Close, Reset };
    explicit DroppingLoopbackServer(Ending ending);
    ~DroppingLoopbackServer();
    DroppingLoopbackServer(const DroppingLoopbackServer&) = delete;
    DroppingLoopbackServer& operator=(const DroppingLoopbackServer&) = delete;

    int Port() const { return port_; }

  private:
    void Drop(int connection) const;

    Ending ending_;
    int listener_ = -1;
    int port_ = -1;
    std::atomic<bool> stopping_{false};
    std::thread thread_;
};

}  // namespace kulko::test
