// How a request reaches its server: a proxy, credentials, and TLS for https://
// addresses.
#include <gtest/gtest.h>

#include "library_server.h"
#include "raw_server.h"
#include "request_parts.h"
#include "test_hooks_guard.h"
#include "web/timed_web_request.h"

namespace tumbrix {
namespace {

using testing::RawReply;
using testing::RawServer;

RawServer::Script echo_request_line() {
    return [](const std::string& request) {
        return RawReply{
            testing::http_response("200 OK", "", testing::split_request(request).request_line)};
    };
}

TEST(Connection, ProxyCarriesHttpRequestsAndBlankMeansDirect) {
    RawServer proxy(echo_request_line());
    RawServer origin(echo_request_line());
    RequestOptions via_proxy;
    via_proxy.proxy = "127.0.0.1:" + std::to_string(proxy.port());
    // The proxy names the host; no lookup of it takes place here.
    EXPECT_EQ(timed_web_request("http://proxied.example/x?y=1", via_proxy),
              "GET http://proxied.example/x?y=1 HTTP/1.1");
    const testing::RouteGuard route("proxied.example", origin.port());
    RequestOptions blank;
    blank.proxy = "   ";
    EXPECT_EQ(timed_web_request("http://proxied.example/x?y=1", blank), "GET /x?y=1 HTTP/1.1");
    EXPECT_EQ(proxy.requests().size(), 1u);
}

TEST(Connection, CredentialsOnlyWhenNotBlank) {
    RawServer server([](const std::string& request) {
        const std::string auth =
            testing::header_value(testing::split_request(request), "Authorization");
        if (auth.empty()) {
            return RawReply{testing::http_response(
                "401 Unauthorized", "WWW-Authenticate: Basic realm=\"t\"\r\n", "denied")};
        }
        return RawReply{testing::http_response("200 OK", "", auth)};
    });
    struct Case {
        const char* name;
        Text user_name;
        Text password;
        Bytes expected;
    };
    const Case cases[] = {
        {"both", "user", "pw", "Basic dXNlcjpwdw=="},
        {"blank password", "user", "  ", "Basic dXNlcjo="},
        {"both blank", " ", "  ", "denied"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RequestOptions options;
        options.user_name = c.user_name;
        options.password = c.password;
        EXPECT_EQ(
            timed_web_request("http://127.0.0.1:" + std::to_string(server.port()) + "/", options),
            c.expected);
    }
}

class Https : public ::testing::Test {
  protected:
    void SetUp() override {
        const std::string dir = TUMBRIX_FIXTURES_DIR "/tls/";
        server_ = std::make_unique<httplib::SSLServer>((dir + "secure_example.pem").c_str(),
                                                       (dir + "secure_example.key").c_str());
        server_->Get("/", [this](const httplib::Request& req, httplib::Response& res) {
            cookie_ = req.get_header_value("Cookie");
            res.set_header("Set-Cookie", "tls=1; path=/");
            res.set_content("secure page", "text/plain");
        });
        const int port = server_->bind_to_any_port("127.0.0.1");
        thread_ = std::thread([this] { server_->listen_after_bind(); });
        http::test_hooks::route_to_loopback("secure.example", port);
        http::test_hooks::clear_cookies();
    }
    void TearDown() override {
        http::test_hooks::clear_routes();
        http::test_hooks::set_ca_file("");
        http::test_hooks::clear_cookies();
        server_->stop();
        thread_.join();
    }
    std::unique_ptr<httplib::SSLServer> server_;
    std::thread thread_;
    std::string cookie_;  // written on the server's thread before it answers
};

TEST_F(Https, FetchesOverVerifiedTlsAndKeepsItsCookies) {
    http::test_hooks::set_ca_file(TUMBRIX_FIXTURES_DIR "/tls/secure_example.pem");
    EXPECT_EQ(timed_web_request("https://secure.example/"), "secure page");
    EXPECT_EQ(cookie_, "");
    EXPECT_EQ(timed_web_request("https://secure.example/"), "secure page");
    EXPECT_EQ(cookie_, "tls=1");
}

TEST_F(Https, UntrustedCertificateFailsTheRequest) {
    EXPECT_EQ(timed_web_request("https://secure.example/"), "");
}

}  // namespace
}  // namespace tumbrix
