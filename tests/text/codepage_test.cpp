#include <gtest/gtest.h>

#include "platform/codepage.h"

namespace tumbrix::codepage {
namespace {

TEST(Codepage, RoundTripsChineseText) {
    const std::string gbk = "网盘搜索器（Tumbrix2.3）";  // GBK literal in this build
    EXPECT_EQ(gbk_to_utf16(gbk), u"网盘搜索器（Tumbrix2.3）");
    EXPECT_EQ(utf16_to_gbk(u"网盘搜索器（Tumbrix2.3）"), gbk);
    const auto* utf8 = reinterpret_cast<const char*>(u8"此资源暂无描述。");
    EXPECT_EQ(utf8_to_gbk(utf8), "此资源暂无描述。");
    EXPECT_EQ(gbk_to_utf8("此资源暂无描述。"), utf8);
}

TEST(Codepage, UnmappableAndMalformedInputDegradeQuietly) {
    EXPECT_EQ(utf16_to_gbk(u"a\U0001F600b"), "a?b");  // an emoji has no GBK form
    EXPECT_EQ(utf8_to_gbk("a\xFF"
                          "b"),
              "a?b");                                                // a stray byte
    EXPECT_EQ(gbk_to_utf16("ab\xD6"), std::u16string(u"ab\uFFFD"));  // cut character
    EXPECT_EQ(utf8_to_gbk(""), "");
}

TEST(Codepage, KeepsNulBytes) {
    const std::string with_nul("a\0b", 3);
    EXPECT_EQ(gbk_to_utf16(with_nul), std::u16string(u"a\0b", 3));
}

}  // namespace
}  // namespace tumbrix::codepage
