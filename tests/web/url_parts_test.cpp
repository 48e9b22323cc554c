#include <gtest/gtest.h>

#include "web/url_parts.h"

namespace tumbrix {
namespace {

TEST(UrlParts, SplitsAddresses) {
    struct Case {
        const char* name;
        Text url;
        Text host;
        Text host_with_port;
        Text path;
        int32_t port;
    };
    const Case cases[] = {
        {"upper-case host, port and query", "http://WWW.Example.COM:8080/a/b.php?x=1&y=/z",
         "www.example.com", "www.example.com:8080", "/a/b.php?x=1&y=/z", 8080},
        {"nothing after the host", "http://www.example.com", "www.example.com", "www.example.com",
         "/", 80},
        {"no scheme", "www.example.com/s?wd=1", "www.example.com", "www.example.com", "/s?wd=1",
         80},
        {"https", "https://Pan.Example.com/s?q=1", "pan.example.com", "pan.example.com", "/s?q=1",
         443},
        {"https with a port", "https://example.com:8443/", "example.com", "example.com:8443", "/",
         8443},
        {"port that is not a number", "http://example.com:abc/x", "example.com", "example.com:abc",
         "/x", 0},
        {"empty port", "http://example.com:/x", "example.com", "example.com:", "/x", 0},
        {"port beyond int32", "http://example.com:99999999999/", "example.com",
         "example.com:99999999999", "/", 0},
        {"first scheme counts", "http://a.com/go?to=https://b.com/", "a.com", "a.com",
         "/go?to=https://b.com/", 80},
        {"an address inside an https one", "https://a.com/go?to=http://b.com/", "a.com", "a.com",
         "/go?to=http://b.com/", 443},
        // The scheme is found case-sensitively, so this one has none.
        {"upper-case scheme", "HTTP://a.com/x", "http", "http:", "//a.com/x", 0},
        {"GBK bytes in the path", "http://a.com/s?wd=网盘", "a.com", "a.com", "/s?wd=网盘", 80},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(url_host(c.url, false), c.host);
        EXPECT_EQ(url_host(c.url, true), c.host_with_port);
        EXPECT_EQ(url_path(c.url), c.path);
        EXPECT_EQ(url_port(c.url), c.port);
    }
}

}  // namespace
}  // namespace tumbrix
