#pragma once
// A cpp-httplib server on 127.0.0.1, on a port of its own, for ordinary
// answers: error pages, redirects, cookies. Handlers are added before start().
#include <httplib.h>

#include <thread>

namespace tumbrix::testing {

class LibraryServer {
  public:
    httplib::Server& routes() { return server_; }
    // Binds to a free loopback port; connections queue until the server runs.
    int start() {
        port_ = server_.bind_to_any_port("127.0.0.1");
        thread_ = std::thread([this] { server_.listen_after_bind(); });
        return port_;
    }
    int port() const { return port_; }
    ~LibraryServer() {
        server_.stop();
        if (thread_.joinable()) thread_.join();
    }

  private:
    httplib::Server server_;
    std::thread thread_;
    int port_ = 0;
};

}  // namespace tumbrix::testing
