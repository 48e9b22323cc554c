#pragma once
// A notice page and advert pictures served on 127.0.0.1 for one test.
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
        server_.Get("/notice", [this](const httplib::Request&, httplib::Response& res) {
            std::lock_guard lock(mutex_);
            ++hits_["/notice"];
            res.set_content(notice_, "text/html");
        });
        // A picture that was never set answers 404.
        server_.Get(R"(/img/(.*))", [this](const httplib::Request& req, httplib::Response& res) {
            std::lock_guard lock(mutex_);
            ++hits_[req.path];
            const auto found = pictures_.find(req.path);
            if (found == pictures_.end()) {
                res.status = 404;
                return;
            }
            res.set_content(found->second, "image/png");
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
    void set_notice(const std::string& body) {
        std::lock_guard lock(mutex_);
        notice_ = body;
    }
    void set_picture(const std::string& path, const std::string& bytes) {
        std::lock_guard lock(mutex_);
        pictures_[path] = bytes;
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
    httplib::Server server_;
    std::thread thread_;
    int port_ = 0;
    std::mutex mutex_;
    std::string notice_;
    std::map<std::string, std::string> pictures_;
    std::map<std::string, int> hits_;
};

}  // namespace tumbrix::testing
