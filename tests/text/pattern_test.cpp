#include <gtest/gtest.h>

#include "text/pattern.h"

namespace tumbrix {
namespace {

TEST(Pattern, FirstMatchAndGroups) {
    regex re;
    ASSERT_TRUE(re.create("找到相关结果(.*?)个"));
    const Text page = "<p>找到相关结果约1,230个</p>找到相关结果9个";
    const SearchResult r = re.search(page);
    ASSERT_TRUE(r.matched());
    EXPECT_EQ(r.submatch_text(page, 1), "约1,230");
    EXPECT_EQ(r.group(0).offset, 3u);
}

TEST(Pattern, DotSpansLineBreaksAndAnchorsMatchAtLines) {
    regex re;
    ASSERT_TRUE(re.create("<div>(.*?)</div>"));
    const Text page = "<div>one\r\ntwo</div>";
    EXPECT_EQ(re.search(page).submatch_text(page, 1), "one\r\ntwo");

    ASSERT_TRUE(re.create("^b(.*?)$"));
    const Text lines = "a\nbcd\ne";
    EXPECT_EQ(re.search(lines).submatch_text(lines, 1), "cd");
}

TEST(Pattern, LazyGroupTakesShortest) {
    regex re;
    ASSERT_TRUE(re.create("target=\"_blank\">(.*?)</a></h3>"));
    const Text page = "<h3><a target=\"_blank\">one</a></h3><h3><a target=\"_blank\">two</a></h3>";
    const auto all = re.search_all(page);
    ASSERT_EQ(all.size(), 2u);
    EXPECT_EQ(all[0].submatch_text(page, 1), "one");
    EXPECT_EQ(all[1].submatch_text(page, 1), "two");
}

TEST(Pattern, SearchAllNeverOverlapsAndEndsOnEmptyMatches) {
    regex re;
    ASSERT_TRUE(re.create("aa"));
    EXPECT_EQ(re.search_all("aaaaa").size(), 2u);

    ASSERT_TRUE(re.create("x*"));
    const auto all = re.search_all("abc");  // matches the empty text everywhere
    EXPECT_GE(all.size(), 3u);
    EXPECT_LE(all.size(), 4u);

    EXPECT_TRUE(re.search_all("").empty());
}

TEST(Pattern, SearchFromStartPosition) {
    regex re;
    ASSERT_TRUE(re.create("b(.)"));
    const Text t = "b1b2b3";
    EXPECT_EQ(re.search(t, 1).submatch_text(t, 1), "1");
    EXPECT_EQ(re.search(t, 2).submatch_text(t, 1), "2");
    EXPECT_FALSE(re.search(t, 7).matched());
    EXPECT_FALSE(re.search(t, 100).matched());
}

TEST(Pattern, NonParticipatingGroupAndNoMatchGiveEmptyText) {
    regex re;
    ASSERT_TRUE(re.create("a(x)?b"));
    const Text t = "ab";
    const SearchResult r = re.search(t);
    ASSERT_TRUE(r.matched());
    EXPECT_EQ(r.submatch_text(t, 1), "");
    EXPECT_EQ(r.submatch_text(t, 5), "");
    EXPECT_EQ(re.search("zzz").submatch_text("zzz", 0), "");
}

TEST(Pattern, FailingCreateKeepsPreviousExpression) {
    regex re;
    ASSERT_TRUE(re.create("k(.)"));
    EXPECT_FALSE(re.create("(unclosed"));
    EXPECT_EQ(re.pattern(), "k(.)");
    EXPECT_EQ(re.search("ok!").submatch_text("ok!", 1), "!");
}

TEST(Pattern, NoExpressionMatchesNothing) {
    regex re;
    EXPECT_FALSE(re.search("abc").matched());
    EXPECT_TRUE(re.search_all("abc").empty());
}

TEST(Pattern, TwoByteCharacterMatchesAsItsTwoBytes) {
    // 乗 is 81 5C: its trail byte is a backslash and must not escape the next byte.
    regex re;
    ASSERT_TRUE(re.create("乗(.*?)个"));
    const Text t = "x乗abc个";
    EXPECT_EQ(re.search(t).submatch_text(t, 1), "abc");

    ASSERT_TRUE(re.create("咨询热线：(.*?)\\|"));
    const Text u = "咨询热线：123|";
    EXPECT_EQ(re.search(u).submatch_text(u, 1), "123");
}

TEST(Pattern, PathologicalSearchIsNoMatch) {
    regex re;
    ASSERT_TRUE(re.create("(a*)*b"));
    const Text t(40, 'a');
    EXPECT_FALSE(re.search(t).matched());
    EXPECT_TRUE(re.search_all(t).empty());
}

}  // namespace
}  // namespace tumbrix
