// What timed_web_request hands back: bodies whole, header blocks whole, and
// empty bytes for every kind of failure.
#include <gtest/gtest.h>

#include "library_server.h"
#include "platform/http_test_hooks.h"
#include "raw_server.h"
#include "test_hooks_guard.h"
#include "web/timed_web_request.h"

namespace tumbrix {
namespace {

RequestOptions headers_into(Text* headers) {
    RequestOptions options;
    options.response_headers = headers;
    return options;
}

using namespace std::string_literals;
using testing::LibraryServer;
using testing::RawReply;
using testing::RawServer;

Text local_url(int port, const Text& path) {
    return "http://127.0.0.1:" + std::to_string(port) + path;
}

TEST(Answer, BodiesComeBackWhole) {
    LibraryServer server;
    server.routes().Get("/missing", [](const httplib::Request&, httplib::Response& res) {
        res.status = 404;
        res.set_content("<html>not here</html>", "text/html");
    });
    server.routes().Get("/nul", [](const httplib::Request&, httplib::Response& res) {
        res.set_content("a\0b\0\xFF"s, "application/octet-stream");
    });
    server.routes().Get("/empty", [](const httplib::Request&, httplib::Response& res) {
        res.set_content("", "text/html");
    });
    const int port = server.start();
    EXPECT_EQ(timed_web_request(local_url(port, "/missing")), "<html>not here</html>");
    EXPECT_EQ(timed_web_request(local_url(port, "/nul")), "a\0b\0\xFF"s);
    Text headers = "untouched";
    EXPECT_EQ(timed_web_request(local_url(port, "/empty"), headers_into(&headers)), "");
    EXPECT_TRUE(headers.starts_with("HTTP/1.1 200 OK\r\n")) << headers;
}

TEST(Answer, HeaderBlockOfTheFinalResponseWithCrLf) {
    // Bare LF line ends and a block far longer than 1024 bytes.
    const std::string pad(3000, 'p');
    RawServer server([&](const std::string& request) {
        if (request.starts_with("GET /moved ")) {
            return RawReply{"HTTP/1.1 302 Found\nLocation: /final\nContent-Length: 0\n\n"};
        }
        return RawReply{"HTTP/1.1 200 OK\nX-Pad: " + pad +
                        "\nContent-Length: 2\nConnection: close\n\nok"};
    });
    Text headers;
    EXPECT_EQ(timed_web_request(local_url(server.port(), "/moved"), headers_into(&headers)), "ok");
    EXPECT_EQ(headers, "HTTP/1.1 200 OK\r\nX-Pad: " + pad +
                           "\r\nContent-Length: 2\r\nConnection: close\r\n\r\n");
}

TEST(Answer, FailuresGiveEmptyBytesAndEmptyHeaders) {
    RawServer server(
        [](const std::string&) { return RawReply{testing::http_response("200 OK", "", "body")}; });
    int closed_port = 0;
    {
        RawServer gone([](const std::string&) { return RawReply{}; });
        closed_port = gone.port();
    }
    struct Case {
        const char* name;
        Text url;
        RequestOptions options;
    };
    auto with_method = [](Text method) {
        RequestOptions o;
        o.method = std::move(method);
        return o;
    };
    const Case cases[] = {
        {"unsupported method", local_url(server.port(), "/"), with_method("PUT")},
        {"nobody listening", local_url(closed_port, "/"), {}},
        {"port that is not a number", "http://127.0.0.1:x/", {}},
        {"port out of range", "http://127.0.0.1:70000/", {}},
        {"no host", "http:///nothing", {}},
        {"control bytes in the address", local_url(server.port(), "/a\r\nX-Injected: 1"), {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Text headers = "untouched";
        RequestOptions options = c.options;
        options.response_headers = &headers;
        const Bytes body = timed_web_request(c.url, options);
        EXPECT_EQ(server.requests().size(), 0u);
        EXPECT_EQ(body, "");
        EXPECT_EQ(headers, "");
    }
    // The same server answers a plain request, so the failures above are the requests' own.
    EXPECT_EQ(timed_web_request(local_url(server.port(), "/")), "body");
}

TEST(Answer, BodyCutShortIsDeliveredAsFar) {
    RawServer server([](const std::string&) {
        return RawReply{"HTTP/1.1 200 OK\r\nContent-Length: 100\r\n\r\npartial"};
    });
    EXPECT_EQ(timed_web_request(local_url(server.port(), "/")), "partial");
}

TEST(Answer, BodyLimitFailsTheExchange) {
    http::test_hooks::Limits limits;
    limits.max_body = 1000;
    const testing::LimitsGuard guard(limits);
    RawServer server([](const std::string& request) {
        const bool chunked = request.starts_with("GET /chunked");
        const std::size_t size = request.starts_with("GET /1001") || chunked ? 1001 : 1000;
        if (chunked) {
            char head[64];
            std::snprintf(head, sizeof head, "%zx\r\n", size);
            return RawReply{
                "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\nConnection: "
                "close\r\n\r\n" +
                std::string(head) + std::string(size, 'b') + "\r\n0\r\n\r\n"};
        }
        return RawReply{testing::http_response("200 OK", "", std::string(size, 'b'))};
    });
    EXPECT_EQ(timed_web_request(local_url(server.port(), "/1000")).size(), 1000u);
    EXPECT_EQ(timed_web_request(local_url(server.port(), "/1001")), "");
    EXPECT_EQ(timed_web_request(local_url(server.port(), "/chunked")), "");
}

}  // namespace
}  // namespace tumbrix
