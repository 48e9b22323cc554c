#include "raw_server.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdlib>
#include <stdexcept>

namespace tumbrix::testing {
namespace {

// The value of the first Content-Length line of a request head, 0 when none.
std::size_t content_length(const std::string& head) {
    std::size_t at = 0;
    while ((at = head.find("\r\n", at)) != std::string::npos) {
        at += 2;
        if (head.compare(at, 15, "Content-Length:") == 0) {
            return std::strtoul(head.c_str() + at + 15, nullptr, 10);
        }
    }
    return 0;
}

}  // namespace

std::string http_response(const std::string& status, const std::string& headers,
                          const std::string& body) {
    return "HTTP/1.1 " + status + "\r\n" + headers +
           "Content-Length: " + std::to_string(body.size()) + "\r\nConnection: close\r\n\r\n" +
           body;
}

RawServer::RawServer(Script script) : script_(std::move(script)) {
    listen_fd_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    addr.sin_port = 0;
    socklen_t len = sizeof addr;
    if (listen_fd_ < 0 || ::bind(listen_fd_, reinterpret_cast<sockaddr*>(&addr), sizeof addr) ||
        ::listen(listen_fd_, 16) ||
        ::getsockname(listen_fd_, reinterpret_cast<sockaddr*>(&addr), &len) ||
        ::pipe2(stop_pipe_, O_CLOEXEC)) {
        throw std::runtime_error("raw server: no loopback socket");
    }
    port_ = ntohs(addr.sin_port);
    acceptor_ = std::thread(&RawServer::accept_loop, this);
}

RawServer::~RawServer() {
    const char stop = 's';
    (void)!::write(stop_pipe_[1], &stop, 1);
    acceptor_.join();
    std::vector<std::thread> connections;
    {
        std::lock_guard lock(mutex_);
        connections.swap(connections_);
    }
    for (std::thread& t : connections) t.join();
    ::close(listen_fd_);
    ::close(stop_pipe_[0]);
    ::close(stop_pipe_[1]);
}

bool RawServer::wait_readable(int fd, int timeout_ms) {
    pollfd fds[2] = {{fd, POLLIN, 0}, {stop_pipe_[0], POLLIN, 0}};
    if (::poll(fds, 2, timeout_ms) <= 0) return false;
    return !(fds[1].revents & POLLIN);
}

void RawServer::accept_loop() {
    while (wait_readable(listen_fd_, -1)) {
        const int fd = ::accept4(listen_fd_, nullptr, nullptr, SOCK_CLOEXEC);
        if (fd < 0) continue;
        std::lock_guard lock(mutex_);
        connections_.emplace_back(&RawServer::serve, this, fd);
    }
}

void RawServer::serve(int fd) {
    std::string request;
    char buffer[4096];
    std::size_t head_end = std::string::npos;
    while (head_end == std::string::npos ||
           request.size() < head_end + 4 + content_length(request.substr(0, head_end + 2))) {
        if (!wait_readable(fd, -1)) break;
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n <= 0) break;
        request.append(buffer, n);
        if (head_end == std::string::npos) head_end = request.find("\r\n\r\n");
    }
    RawReply reply;
    if (head_end != std::string::npos) {
        reply = script_(request);
        std::lock_guard lock(mutex_);
        requests_.push_back(request);
        changed_.notify_all();
    }
    if (reply.silent) {
        // Until the client gives up and closes, or the server stops.
        while (wait_readable(fd, -1) && ::read(fd, buffer, sizeof buffer) > 0) {
        }
        std::lock_guard lock(mutex_);
        ++closed_;
        changed_.notify_all();
    } else if (reply.delay.count() == 0 || !wait_readable(stop_pipe_[0], reply.delay.count())) {
        std::size_t sent = 0;
        while (sent < reply.bytes.size()) {
            const ssize_t n =
                ::send(fd, reply.bytes.data() + sent, reply.bytes.size() - sent, MSG_NOSIGNAL);
            if (n <= 0) break;
            sent += n;
        }
    }
    ::close(fd);
}

std::vector<std::string> RawServer::requests() const {
    std::lock_guard lock(mutex_);
    return requests_;
}

bool RawServer::wait_for_closed(int count, std::chrono::milliseconds limit) {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, limit, [&] { return closed_ >= count; });
}

}  // namespace tumbrix::testing
