#pragma once
// A notice page, advert pictures and advert pages served on 127.0.0.1 for one
// test. A path that was never given a page answers 404 with an empty body.
#include <httplib.h>

#include <chrono>
#include <map>
#include <mutex>
#include <string>
#include <thread>

namespace tumbrix::testing {

class NoticeServer {
  public:
    NoticeServer() {
        server_.Get(".*", [this](const httplib::Request& req, httplib::Response& res) {
            std::lock_guard lock(mutex_);
            ++hits_[req.path];
            const auto found = pages_.find(req.path);
            if (found == pages_.end()) {
                res.status = 404;
                return;
            }
            res.set_content(found->second.body, found->second.type.c_str());
        });
        port_ = server_.bind_to_any_port("127.0.0.1");
        thread_ = std::thread([this] { server_.listen_after_bind(); });
        // stop() only reaches a server that runs, so wait for it to run.
        while (!server_.is_running()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    ~NoticeServer() {
        server_.stop();
        thread_.join();
    }

    std::string url(const std::string& path) const {
        return "http://127.0.0.1:" + std::to_string(port_) + path;
    }
    void set_page(const std::string& path, const std::string& body,
                  const std::string& type = "text/html") {
        std::lock_guard lock(mutex_);
        pages_[path] = {body, type};
    }
    void set_notice(const std::string& body) { set_page("/notice", body); }
    void set_picture(const std::string& path, const std::string& bytes) {
        set_page(path, bytes, "image/png");
    }
    int hits(const std::string& path) {
        std::lock_guard lock(mutex_);
        return hits_[path];
    }
    int all_hits() {
        std::lock_guard lock(mutex_);
        int total = 0;
        for (const auto& [path, n] : hits_) total += n;
        return total;
    }

  private:
    struct Page {
        std::string body;
        std::string type;
    };
    httplib::Server server_;
    std::thread thread_;
    int port_ = 0;
    std::mutex mutex_;
    std::map<std::string, Page> pages_;
    std::map<std::string, int> hits_;
};

}  // namespace tumbrix::testing
