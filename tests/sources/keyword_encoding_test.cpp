#include <gtest/gtest.h>

#include "support/fake_controls.h"
#include "web/keyword_encoding.h"

namespace tumbrix {
namespace {

TEST(EncodeKeyword, FollowsEncodeUriComponent) {
    struct Case {
        std::string keyword;  // GBK, as the search box holds it
        std::string expected;
    };
    const Case cases[] = {
        {"abc XYZ 019", "abc%20XYZ%20019"},
        {"a&b", "a%26b"},
        {"-_.!~*'()", "-_.!~*'()"},
        {"/?:@=+$,#;%", "%2F%3F%3A%40%3D%2B%24%2C%23%3B%25"},
        {"网盘", "%E7%BD%91%E7%9B%98"},  // three UTF-8 bytes per ideograph
        {" x ", "%20x%20"},              // taken whole, blanks at the ends included
        {"", ""},
    };
    testing::FakeControls controls;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.keyword);
        controls.texts[Control::搜索框] = c.keyword;
        EXPECT_EQ(encode_keyword(), c.expected);
    }
}

TEST(EncodeUriComponent, SurrogatesAndControlCharacters) {
    EXPECT_EQ(encode_uri_component(u"\U0001F600"), "%F0%9F%98%80");
    EXPECT_EQ(encode_uri_component(u"\u00e9\n"), "%C3%A9%0A");
    EXPECT_EQ(encode_uri_component(std::u16string(1, char16_t(0xD800))), "");
    EXPECT_EQ(encode_uri_component(std::u16string(1, char16_t(0xDC00))), "");
}

std::string utf8(const char8_t* s) {
    return reinterpret_cast<const char*>(s);
}

TEST(Utf8ToLocalText, ConvertsWholePagesAndStopsAtZero) {
    struct Case {
        const char* name;
        std::string page;
        std::string expected;
    };
    const Case cases[] = {
        {"empty page", "", ""},
        {"ends in >", utf8(u8"<b>大小：</b>"), "<b>大小：</b>"},
        {"ends in LF", utf8(u8"时间：\n"), "时间：\n"},
        {"ends inside a multi-byte character", utf8(u8"描述"), "描述"},
        {"zero byte in the middle", std::string("ab\0cd", 5), "ab"},
        {"character without a GBK form", utf8(u8"a\U0001F600b"), "a?b"},
        {"malformed byte",
         "a\xFF"
         "b",
         "a?b"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(utf8_to_local_text(c.page), c.expected);
    }
}

TEST(WideToLocalText, EndsAtFirstZeroUnit) {
    const std::u16string wide(u"中a\0b", 4);
    EXPECT_EQ(wide_to_local_text({reinterpret_cast<const char*>(wide.data()), wide.size() * 2}),
              "中a");
    EXPECT_EQ(wide_to_local_text(""), "");
}

}  // namespace
}  // namespace tumbrix
