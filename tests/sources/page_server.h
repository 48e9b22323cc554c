#pragma once
// A server on 127.0.0.1 standing in for a search engine's host: it answers
// each result-page request with the next page of a list it was given.
#include <httplib.h>

#include <atomic>
#include <chrono>
#include <deque>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "tests/web/library_server.h"
#include "text/text.h"

namespace tumbrix::testing {

// "http://www.baidu.com" -> "www.baidu.com".
inline std::string host_of(const std::string& base) {
    std::string host = base.substr(base.find("://") + 3);
    return host.substr(0, host.find_first_of(":/"));
}

// Answers every request with the next page of its list (an empty body once
// the list is used up) and records each request's path and query.
class PageServer {
  public:
    PageServer() {
        server_.routes().Get(".*", [this](const httplib::Request& req, httplib::Response& res) {
            if (req.path == "/favicon.ico") {  // a browser's own request
                res.status = 404;
                return;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(delay_ms_.load()));
            std::lock_guard<std::mutex> lock(mutex_);
            targets_.push_back(req.target);
            params_.push_back(req.params);
            Bytes body;
            if (!pages_.empty()) {
                body = pages_.front();
                pages_.pop_front();
            }
            res.set_content(body, "text/html; charset=GBK");
        });
        port_ = server_.start();
    }
    int port() const { return port_; }

    // Each page is answered only after this long.
    void set_delay(std::chrono::milliseconds delay) { delay_ms_ = static_cast<int>(delay.count()); }

    void serve(const std::vector<Bytes>& pages) {
        std::lock_guard<std::mutex> lock(mutex_);
        pages_.assign(pages.begin(), pages.end());
        targets_.clear();
        params_.clear();
    }
    std::vector<std::string> targets() {
        std::lock_guard<std::mutex> lock(mutex_);
        return targets_;
    }
    // The value of `key` in each request, in order.
    std::vector<std::string> values_of(const std::string& key) {
        std::lock_guard<std::mutex> lock(mutex_);
        std::vector<std::string> values;
        for (const auto& p : params_) {
            const auto it = p.find(key);
            values.push_back(it == p.end() ? "(none)" : it->second);
        }
        return values;
    }

  private:
    LibraryServer server_;
    int port_ = 0;
    std::atomic<int> delay_ms_{0};
    std::mutex mutex_;
    std::deque<Bytes> pages_;
    std::vector<std::string> targets_;
    std::vector<httplib::Params> params_;
};

}  // namespace tumbrix::testing
