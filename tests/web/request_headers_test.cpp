// What a server receives from timed_web_request: the request line, the header
// lines in their order and the body.
#include <gtest/gtest.h>

#include "platform/http_test_hooks.h"
#include "raw_server.h"
#include "request_parts.h"
#include "test_hooks_guard.h"
#include "web/timed_web_request.h"

namespace tumbrix {
namespace {

using testing::RawReply;
using testing::RawServer;

constexpr const char* kUserAgent = "User-Agent: Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)";
constexpr const char* kAccept =
    "Accept: image/gif, image/x-xbitmap, image/jpeg, image/pjpeg, "
    "application/x-shockwave-flash, application/vnd.ms-excel, application/vnd.ms-powerpoint, "
    "application/msword, */*";
constexpr const char* kLanguage = "Accept-Language: zh-cn";
constexpr const char* kFormType = "Content-Type: application/x-www-form-urlencoded";

RawServer::Script answer_ok() {
    return
        [](const std::string&) { return RawReply{testing::http_response("200 OK", "", "fine")}; };
}

TEST(RequestHeaders, CompletesTheHeaderText) {
    RawServer server(answer_ok());
    const Text url = "http://127.0.0.1:" + std::to_string(server.port()) + "/s?wd=1&x=/y";
    const Text referer = "Referer: " + url;
    struct Case {
        const char* name;
        RequestOptions options;
        std::string request_line;
        std::vector<std::string> lines;  // after Host and User-Agent
        std::string body;
    };
    auto post = [](Text data, Text extra = {}, Text method = "POST") {
        RequestOptions o;
        o.method = std::move(method);
        o.post_data = std::move(data);
        if (!extra.empty()) o.extra_headers = std::move(extra);
        return o;
    };
    auto with_headers = [](Text extra) {
        RequestOptions o;
        o.extra_headers = std::move(extra);
        return o;
    };
    auto with_method = [](Text method) {
        RequestOptions o;
        o.method = std::move(method);
        return o;
    };
    const Case cases[] = {
        {"url alone", {}, "GET /s?wd=1&x=/y HTTP/1.1", {kAccept, referer, kLanguage}, ""},
        {"given referer kept",
         with_headers("Referer: http://from.example/\r\n"),
         "GET /s?wd=1&x=/y HTTP/1.1",
         {"Referer: http://from.example/", kAccept, kLanguage},
         ""},
        {"any case counts as present",
         with_headers("accept-language: en\r\nREFERER: r\r\n"),
         "GET /s?wd=1&x=/y HTTP/1.1",
         {"accept-language: en", "REFERER: r", kAccept},
         ""},
        {"an X-Accept line suppresses the default Accept line",
         with_headers("X-Accept: text/plain\r\n"),
         "GET /s?wd=1&x=/y HTTP/1.1",
         {"X-Accept: text/plain", referer, kLanguage},
         ""},
        {"a missing final CR LF is not added",
         with_headers("X-Tag: 1"),
         "GET /s?wd=1&x=/y HTTP/1.1",
         {std::string("X-Tag: 1") + kAccept, referer, kLanguage},
         ""},
        {"post with a body",
         post("a=b"),
         "POST /s?wd=1&x=/y HTTP/1.1",
         {kAccept, referer, kLanguage, kFormType, "Content-Length: 3"},
         "a=b"},
        {"post with its own Content-Length gets a second one",
         post("a=b", "Content-Length: 3\r\n"),
         "POST /s?wd=1&x=/y HTTP/1.1",
         {"Content-Length: 3", kAccept, referer, kLanguage, kFormType, "Content-Length: 3"},
         "a=b"},
        {"post with its own Content-Type",
         post("{}", "Content-Type: application/json\r\n"),
         "POST /s?wd=1&x=/y HTTP/1.1",
         {"Content-Type: application/json", kAccept, referer, kLanguage, "Content-Length: 2"},
         "{}"},
        {"post without a body sends neither line",
         post(""),
         "POST /s?wd=1&x=/y HTTP/1.1",
         {kAccept, referer, kLanguage},
         ""},
        {"lower-case post handed over as given",
         post("q", "", "post"),
         "post /s?wd=1&x=/y HTTP/1.1",
         {kAccept, referer, kLanguage, kFormType, "Content-Length: 1"},
         "q"},
        {"get handed over as given",
         with_method("get"),
         "get /s?wd=1&x=/y HTTP/1.1",
         {kAccept, referer, kLanguage},
         ""},
    };
    std::size_t seen = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(timed_web_request(url, c.options), "fine");
        const auto requests = server.requests();
        ASSERT_EQ(requests.size(), seen + 1);
        const auto parts = testing::split_request(requests[seen++]);
        EXPECT_EQ(parts.request_line, c.request_line);
        ASSERT_GE(parts.headers.size(), 2u);
        EXPECT_EQ(parts.headers[0], "Host: 127.0.0.1:" + std::to_string(server.port()));
        EXPECT_EQ(parts.headers[1], kUserAgent);
        EXPECT_EQ(std::vector<std::string>(parts.headers.begin() + 2, parts.headers.end()),
                  c.lines);
        EXPECT_EQ(parts.body, c.body);
    }
}

TEST(RequestHeaders, RedirectedPostTurnsIntoAGetUnless307Or308) {
    http::test_hooks::Limits limits;
    limits.total = std::chrono::seconds(3);  // a stray Content-Length would stall the server
    const testing::LimitsGuard guard(limits);
    struct Case {
        const char* status;
        std::string request_line;
        std::string content_length;
        std::string body;
    };
    const Case cases[] = {
        {"302 Found", "GET /done HTTP/1.1", "", ""},
        {"303 See Other", "GET /done HTTP/1.1", "", ""},
        {"307 Temporary Redirect", "POST /done HTTP/1.1", "3", "a=b"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.status);
        RawServer server([&](const std::string& request) {
            if (request.starts_with("POST /form ")) {
                return RawReply{testing::http_response(c.status, "Location: /done\r\n", "")};
            }
            return RawReply{testing::http_response("200 OK", "", "done")};
        });
        RequestOptions options;
        options.method = "POST";
        options.post_data = "a=b";
        EXPECT_EQ(timed_web_request("http://127.0.0.1:" + std::to_string(server.port()) + "/form",
                                    options),
                  "done");
        const auto requests = server.requests();
        ASSERT_EQ(requests.size(), 2u);
        const auto parts = testing::split_request(requests[1]);
        EXPECT_EQ(parts.request_line, c.request_line);
        EXPECT_EQ(testing::header_value(parts, "Content-Length"), c.content_length);
        EXPECT_EQ(parts.body, c.body);
    }
}

}  // namespace
}  // namespace tumbrix
