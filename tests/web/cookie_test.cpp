// The process-wide cookie store: cookies of responses, redirects included, go
// out again on later requests to the same host.
#include <gtest/gtest.h>

#include <algorithm>
#include <string_view>

#include "library_server.h"
#include "raw_server.h"
#include "request_parts.h"
#include "test_hooks_guard.h"
#include "web/timed_web_request.h"

namespace tumbrix {
namespace {

RequestOptions headers_into(Text* headers) {
    RequestOptions options;
    options.response_headers = headers;
    return options;
}

using testing::LibraryServer;
using testing::RawReply;
using testing::RawServer;

class Cookies : public ::testing::Test {
  protected:
    void SetUp() override { http::test_hooks::clear_cookies(); }
    void TearDown() override { http::test_hooks::clear_cookies(); }
};

// Answers every request with `reply`, remembering the Cookie line of each.
struct CookieEcho {
    std::mutex mutex;
    std::vector<std::string> cookies;
    void record(const httplib::Request& req) {
        std::lock_guard lock(mutex);
        cookies.push_back(req.get_header_value("Cookie"));
    }
    // The pairs of the last Cookie line, sorted: their order is the store's own.
    std::string last() {
        std::lock_guard lock(mutex);
        if (cookies.empty()) return "";
        std::vector<std::string> pairs;
        std::string_view line = cookies.back();
        while (!line.empty()) {
            const std::size_t end = line.find("; ");
            pairs.emplace_back(line.substr(0, end));
            line = end == std::string_view::npos ? "" : line.substr(end + 2);
        }
        std::sort(pairs.begin(), pairs.end());
        std::string joined;
        for (const std::string& pair : pairs) joined += (joined.empty() ? "" : "; ") + pair;
        return joined;
    }
};

TEST_F(Cookies, TwoSetCookieLinesAreBothSentNextTime) {
    LibraryServer server;
    CookieEcho echo;
    server.routes().Get("/set", [&](const httplib::Request& req, httplib::Response& res) {
        echo.record(req);
        res.set_header("Set-Cookie", "a=1; path=/");
        res.headers.emplace("Set-Cookie", "b=2");
        res.set_content("set", "text/plain");
    });
    server.routes().Get("/check", [&](const httplib::Request& req, httplib::Response& res) {
        echo.record(req);
        res.set_content("checked", "text/plain");
    });
    const int port = server.start();
    const testing::RouteGuard route("cookies.example", port);
    EXPECT_EQ(timed_web_request("http://cookies.example/set"), "set");
    EXPECT_EQ(echo.last(), "");
    EXPECT_EQ(timed_web_request("http://cookies.example/check"), "checked");
    EXPECT_EQ(echo.last(), "a=1; b=2");
}

TEST_F(Cookies, RedirectIsFollowedWithItsCookie) {
    LibraryServer server;
    CookieEcho echo;
    server.routes().Get("/start", [&](const httplib::Request& req, httplib::Response& res) {
        echo.record(req);
        res.set_header("Set-Cookie", "hop=1; path=/");
        res.set_redirect("/final");
    });
    server.routes().Get("/final", [&](const httplib::Request& req, httplib::Response& res) {
        echo.record(req);
        res.set_header("Set-Cookie", "end=2; path=/");
        res.set_content("final page", "text/plain");
    });
    const int port = server.start();
    const testing::RouteGuard route("redirect.example", port);
    Text headers;
    EXPECT_EQ(timed_web_request("http://redirect.example/start", headers_into(&headers)),
              "final page");
    EXPECT_TRUE(headers.starts_with("HTTP/1.1 200 OK\r\n")) << headers;
    EXPECT_EQ(echo.last(), "hop=1");
    EXPECT_EQ(timed_web_request("http://redirect.example/final"), "final page");
    EXPECT_EQ(echo.last(), "end=2; hop=1");
}

TEST_F(Cookies, FinalCookiesAreStoredForTheRequestedHost) {
    // first.example sends the request on to second.example, whose cookie the
    // worker also stores for first.example, the host it was asked for.
    LibraryServer server;
    CookieEcho echo;
    server.routes().Get("/go", [&](const httplib::Request&, httplib::Response& res) {
        res.set_redirect("http://second.example/land");
    });
    server.routes().Get("/land", [&](const httplib::Request&, httplib::Response& res) {
        res.set_header("Set-Cookie", "visited=yes");
        res.set_content("landed", "text/plain");
    });
    server.routes().Get("/check", [&](const httplib::Request& req, httplib::Response& res) {
        echo.record(req);
        res.set_content(req.get_header_value("Host"), "text/plain");
    });
    const int port = server.start();
    const testing::RouteGuard first("first.example", port);
    http::test_hooks::route_to_loopback("second.example", port);
    http::test_hooks::route_to_loopback("third.example", port);
    EXPECT_EQ(timed_web_request("http://first.example/go"), "landed");
    EXPECT_EQ(timed_web_request("http://first.example/check"), "first.example");
    EXPECT_EQ(echo.last(), "visited=yes");
    EXPECT_EQ(timed_web_request("http://second.example/check"), "second.example");
    EXPECT_EQ(echo.last(), "visited=yes");
    EXPECT_EQ(timed_web_request("http://third.example/check"), "third.example");
    EXPECT_EQ(echo.last(), "");
}

TEST_F(Cookies, CookiesAfterALongHeaderBlockAreKept) {
    const std::string pad(4000, 'p');
    RawServer server([&](const std::string&) {
        return RawReply{testing::http_response(
            "200 OK", "X-Pad: " + pad + "\r\nSet-Cookie: late=1; path=/\r\n", "ok")};
    });
    const testing::RouteGuard route("long.example", server.port());
    EXPECT_EQ(timed_web_request("http://long.example/"), "ok");
    EXPECT_EQ(timed_web_request("http://long.example/again"), "ok");
    const auto parts = testing::split_request(server.requests().back());
    EXPECT_EQ(testing::header_value(parts, "Cookie"), "late=1");
}

TEST_F(Cookies, StoreIsSharedByRequestsOfEveryThread) {
    LibraryServer server;
    CookieEcho echo;
    server.routes().Get("/set", [&](const httplib::Request&, httplib::Response& res) {
        res.set_header("Set-Cookie", "from=thread");
        res.set_content("set", "text/plain");
    });
    server.routes().Get("/check", [&](const httplib::Request& req, httplib::Response& res) {
        echo.record(req);
        res.set_content("checked", "text/plain");
    });
    const int port = server.start();
    const testing::RouteGuard route("shared.example", port);
    std::thread other([] { timed_web_request("http://shared.example/set"); });
    other.join();
    EXPECT_EQ(timed_web_request("http://shared.example/check"), "checked");
    EXPECT_EQ(echo.last(), "from=thread");
}

}  // namespace
}  // namespace tumbrix
