#include "tools/simweb/server.h"

#include <httplib.h>

#include <atomic>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>
#include <unordered_map>

#include "tools/simweb/png.h"
#include "tools/simweb/results_page.h"
#include "tools/simweb/search_query.h"
#include "tools/simweb/site_pages.h"

namespace tumbrix::simweb {
namespace {

constexpr size_t kLogLimit = 10000;

bool same_ascii_case(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
        if (x != y) return false;
    }
    return true;
}

// The visitor number in a Cookie header, or 0.
int visitor_in(std::string_view cookies) {
    const std::string key = std::string(kVisitorCookie) + "=";
    size_t at = 0;
    while (at < cookies.size()) {
        while (at < cookies.size() && (cookies[at] == ' ' || cookies[at] == ';')) ++at;
        const size_t end = std::min(cookies.find(';', at), cookies.size());
        const std::string_view pair = cookies.substr(at, end - at);
        if (pair.starts_with(key)) {
            int n = 0;
            for (const char c : pair.substr(key.size())) {
                if (c < '0' || c > '9' || n > 100'000'000) return 0;
                n = n * 10 + (c - '0');
            }
            return n;
        }
        at = end;
    }
    return 0;
}

struct Reply {
    int status = 200;
    std::string content_type = "text/plain; charset=UTF-8";
    std::string body;
};

Reply page(std::string body, std::string content_type = "text/html; charset=UTF-8") {
    return {200, std::move(content_type), std::move(body)};
}

bool under(std::string_view path, std::string_view folder) {
    return path.size() > folder.size() && path.starts_with(folder);
}

}  // namespace

std::string LoggedRequest::header(const std::string& name) const {
    for (const auto& [key, value] : headers)
        if (same_ascii_case(key, name)) return value;
    return {};
}

struct Server::Impl {
    Sites sites;
    httplib::Server http;
    std::thread thread;
    int port = -1;
    std::atomic<bool> listen_ended{false};
    std::atomic<int64_t> delay_ms{0};
    std::function<void(const LoggedRequest&)> listener;
    std::function<void(const std::string&)> arrival;

    mutable std::mutex mutex;  // the log and the visitors
    std::deque<LoggedRequest> log;
    std::unordered_map<int, int> visits;
    int last_visitor = 0;

    std::mutex stop_mutex;
    std::condition_variable stop_signal;
    bool stopping = false;

    std::string base() const { return "http://127.0.0.1:" + std::to_string(port); }

    // Waits out the page delay unless the server stops first.
    void hold_back() {
        const int64_t ms = delay_ms.load();
        if (ms <= 0) return;
        std::unique_lock lock(stop_mutex);
        stop_signal.wait_for(lock, std::chrono::milliseconds(ms), [&] { return stopping; });
    }

    Reply answer(const httplib::Request& req) {
        Sites s = sites;
        if (s.self_base.empty()) s.self_base = base();
        const std::string& path = req.path;

        const ParsedQuery parsed = parse_search(path, req.params, s);
        if (parsed.verdict == ParsedQuery::Verdict::bad_request)
            return {400, "text/plain; charset=UTF-8", "simweb: " + parsed.reason + "\n"};
        if (parsed.verdict == ParsedQuery::Verdict::search) {
            hold_back();
            ServedPage served = results_page(parsed.query, s);
            return page(std::move(served.body), std::move(served.content_type));
        }

        if (path == "/") return page(index_page(s));
        if (path == "/notice") return page(notice_page(s.self_base), "text/html; charset=GBK");
        if (path == "/ad/web") return page(web_advert_page());
        if (path == "/ad/popup") return page(popup_page());
        for (int n = 1; n <= kAdvertPictureCount; ++n)
            if (path == "/ad/pic" + std::to_string(n) + ".png")
                return page(advert_picture(n), "image/png");
        if (under(path, "/ad/go/")) return page(landing_page("广告", path));
        if (path == "/update") return page(landing_page("更新", path));
        for (const char* folder : {"/f/", "/115/", "/namipan/", "/rayfile/", "/xun6/", "/hotfile/",
                                   "/bt/", "/qiannao/", "/cache/"})
            if (under(path, folder)) return page(landing_page("分享页面", path));
        return {404, "text/plain; charset=UTF-8", "simweb has no page at " + path + "\n"};
    }

    void handle(const httplib::Request& req, httplib::Response& res) {
        if (arrival) arrival(req.target);
        LoggedRequest entry;
        entry.method = req.method;
        entry.target = req.target;
        for (const auto& [key, value] : req.headers) entry.headers.emplace_back(key, value);
        entry.cookies = entry.header("Cookie");

        Reply reply;
        if (req.method == "GET" || req.method == "HEAD")
            reply = answer(req);
        else
            reply = {405, "text/plain; charset=UTF-8", "simweb answers GET only\n"};

        {
            std::lock_guard lock(mutex);
            const int known = visitor_in(entry.cookies);
            entry.cookie_returned = known != 0 && visits.count(known) != 0;
            entry.visitor = entry.cookie_returned ? known : ++last_visitor;
            entry.visit = ++visits[entry.visitor];
        }
        if (!entry.cookie_returned)
            res.set_header("Set-Cookie", std::string(kVisitorCookie) + "=" +
                                             std::to_string(entry.visitor) + "; Path=/");
        res.set_header("Cache-Control", "no-store");
        res.status = reply.status;
        res.set_content(std::move(reply.body), reply.content_type.c_str());
        entry.status = reply.status;

        if (listener) listener(entry);
        std::lock_guard lock(mutex);
        log.push_back(std::move(entry));
        if (log.size() > kLogLimit) log.pop_front();
    }
};

Server::Server(Sites sites) : impl_(std::make_unique<Impl>()) {
    impl_->sites = std::move(sites);
    Impl* impl = impl_.get();
    const auto handler = [impl](const httplib::Request& req, httplib::Response& res) {
        impl->handle(req, res);
    };
    impl_->http.Get(".*", handler);
    impl_->http.Post(".*", handler);
    impl_->http.Put(".*", handler);
    impl_->http.Delete(".*", handler);
    impl_->http.Patch(".*", handler);
    impl_->http.Options(".*", handler);
    // An idle kept-alive connection holds a server thread this long; keep
    // it short so that stop() returns promptly.
    impl_->http.set_keep_alive_timeout(1);
    // httplib also sets SO_REUSEPORT, which lets a second server share a busy
    // port; a stale simweb must make the next one fail, not split its traffic.
    impl_->http.set_socket_options([](socket_t sock) {
        int yes = 1;
        setsockopt(sock, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    });
}

Server::~Server() {
    stop();
}

int Server::start(int port) {
    if (impl_->thread.joinable()) return impl_->port;
    {
        std::lock_guard lock(impl_->stop_mutex);
        if (impl_->stopping) return -1;
    }
    const int bound = port == 0 ? impl_->http.bind_to_any_port("127.0.0.1")
                                : (impl_->http.bind_to_port("127.0.0.1", port) ? port : -1);
    if (bound < 0) return -1;
    impl_->port = bound;
    impl_->thread = std::thread([impl = impl_.get()] {
        impl->http.listen_after_bind();
        impl->listen_ended = true;
    });
    // httplib's stop() does nothing before the server runs: wait for it, so
    // that a stop() right after start() cannot leave the thread listening.
    while (!impl_->http.is_running() && !impl_->listen_ended)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    if (!impl_->listen_ended) return bound;
    impl_->thread.join();
    impl_->port = -1;
    return -1;
}

void Server::stop() {
    {
        std::lock_guard lock(impl_->stop_mutex);
        impl_->stopping = true;
    }
    impl_->stop_signal.notify_all();
    if (impl_->thread.joinable()) {
        impl_->http.stop();
        impl_->thread.join();
    }
}

int Server::port() const {
    return impl_->port;
}

std::string Server::base() const {
    return impl_->base();
}

void Server::set_page_delay(std::chrono::milliseconds delay) {
    impl_->delay_ms = delay.count();
}

void Server::on_request(std::function<void(const LoggedRequest&)> listener) {
    impl_->listener = std::move(listener);
}

void Server::on_arrival(std::function<void(const std::string&)> listener) {
    impl_->arrival = std::move(listener);
}

std::vector<LoggedRequest> Server::request_log() const {
    std::lock_guard lock(impl_->mutex);
    return {impl_->log.begin(), impl_->log.end()};
}

void Server::clear_log() {
    std::lock_guard lock(impl_->mutex);
    impl_->log.clear();
}

}  // namespace tumbrix::simweb
