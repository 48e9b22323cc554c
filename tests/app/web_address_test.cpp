#include <gtest/gtest.h>

#include "app/web_address.h"

namespace tumbrix {
namespace {

TEST(WebAddress, OnlyHttpAndHttpsLeaveTumbrix) {
    struct Case {
        const char* address;
        bool opened;
    };
    const Case cases[] = {
        {"http://pan.example.invalid/file/1", true},
        {"https://example.invalid/", true},
        {"HTTP://EXAMPLE.INVALID/", true},
        {"hTtPs://example.invalid/a?b=c", true},
        {"http://u.115.com/file/中文名", true},
        {"", false},
        {" http://example.invalid/", false},  // must begin with the scheme
        {"http:/example.invalid/", false},
        {"httpx://example.invalid/", false},
        {"ftp://example.invalid/", false},
        {"file:///etc/passwd", false},
        {"javascript:alert(1)", false},
        {"mailto:someone@example.invalid", false},
        {"/usr/bin/xterm", false},
        {"C:\\Windows\\system32\\calc.exe", false},
        {"xterm -e sh", false},
        {"http", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.address);
        EXPECT_EQ(is_web_address(c.address), c.opened);

        std::vector<Text> opened;
        set_address_opener([&](const Text& a) { opened.push_back(a); });
        open_web_address(c.address);
        set_address_opener({});
        if (c.opened) {
            EXPECT_EQ(opened, std::vector<Text>{c.address});  // handed over unchanged
        } else {
            EXPECT_TRUE(opened.empty());
        }
    }
}

}  // namespace
}  // namespace tumbrix
