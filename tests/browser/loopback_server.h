#pragma once
// An HTTP server on 127.0.0.1 (port chosen by the system) running on a thread
// of its own for one test.
#include <httplib.h>

#include <atomic>
#include <chrono>
#include <stdexcept>
#include <string>
#include <thread>

namespace tumbrix::test {

class LoopbackServer {
  public:
    LoopbackServer() {
        server_.set_keep_alive_timeout(1);
        port_ = server_.bind_to_any_port("127.0.0.1");
        if (port_ <= 0) throw std::runtime_error("no port on 127.0.0.1");
        thread_ = std::thread([this] { server_.listen_after_bind(); });
        // stop() before the accept loop runs would be lost, and join() hang.
        while (!server_.is_running()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    ~LoopbackServer() {
        closing_ = true;
        server_.stop();
        thread_.join();
    }
    LoopbackServer(const LoopbackServer&) = delete;
    LoopbackServer& operator=(const LoopbackServer&) = delete;

    httplib::Server& routes() { return server_; }
    std::string url(const std::string& path) const {
        return "http://127.0.0.1:" + std::to_string(port_) + path;
    }
    // Handlers that hold a request open give up once this is set.
    bool closing() const { return closing_; }

    // Sleeps up to `time` on a handler thread, less when the server closes.
    void pause(std::chrono::milliseconds time) const {
        const auto end = std::chrono::steady_clock::now() + time;
        while (!closing_ && std::chrono::steady_clock::now() < end)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }

  private:
    httplib::Server server_;
    int port_ = 0;
    std::atomic<bool> closing_{false};
    std::thread thread_;
};

}  // namespace tumbrix::test
