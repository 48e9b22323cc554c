#pragma once
// A loopback HTTP server on raw sockets for what a library server will not do:
// it records every request byte for byte (duplicate headers, lower-case
// methods), answers with any bytes at all, late, or never.
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace tumbrix::testing {

struct RawReply {
    std::string bytes;    // sent as they are, then the connection is closed
    bool silent = false;  // keep the connection open and never answer
    std::chrono::milliseconds delay{0};
};

// A complete response with Content-Length and "Connection: close".
std::string http_response(const std::string& status, const std::string& headers,
                          const std::string& body);

class RawServer {
  public:
    using Script = std::function<RawReply(const std::string& request)>;
    explicit RawServer(Script script);
    ~RawServer();
    RawServer(const RawServer&) = delete;
    RawServer& operator=(const RawServer&) = delete;

    int port() const { return port_; }
    // Every request received so far: head and body as they came.
    std::vector<std::string> requests() const;
    // Waits until clients have closed `count` connections the server kept open.
    bool wait_for_closed(int count, std::chrono::milliseconds limit);

  private:
    void accept_loop();
    void serve(int fd);
    bool wait_readable(int fd, int timeout_ms);  // false when stopped or timed out

    Script script_;
    int listen_fd_ = -1;
    int stop_pipe_[2] = {-1, -1};
    int port_ = 0;
    std::thread acceptor_;
    mutable std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<std::thread> connections_;
    std::vector<std::string> requests_;
    int closed_ = 0;
};

}  // namespace tumbrix::testing
