#include <gtest/gtest.h>

#include <string>

#include <tumbrix/endpoints.h>

#include "sources/engine_page.h"
#include "sources/match_memo.h"
#include "sources/search_state.h"
#include "support/fake_controls.h"

namespace tumbrix {
namespace {

class EnginePage : public ::testing::Test {
  protected:
    void SetUp() override {
        reset_search_state();
        reset_shared_page_state();
        reset_engine_page_state();
        clear_match_memo();
    }
    testing::FakeControls controls;
};

TEST_F(EnginePage, HitCountTexts) {
    struct Case {
        int source;
        Text page;
        int32_t hits;
    };
    const Case cases[] = {
        {2, "<span>找到相关结果约1,230,000个</span>", 1230000},
        {3, "找到相关结果1,230个", 1230},
        {5, "找到相关结果约7个", 7},
        {4, "<div>获得约 1,230 条结果<nobr>", 1230},
        {7, "获得 24 条结果", 24},
        {6, "共找到相关资料<span class=\"c3\">1,230</span>项</td>", 1230},
        // Each source reads only its own engine's wording.
        {6, "找到相关结果约1,230个", 0},
        {2, "获得约 1,230 条结果", 0},
        {2, "找到相关结果约个", 0},
        {2, "", 0},
        {1, "找到相关结果约1,230个", 0},  // no engine source
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.page);
        search_state().current_source = c.source;
        store_browser_page(c.page);
        EXPECT_EQ(read_hit_count(), c.hits);
    }
}

TEST_F(EnginePage, OnlyTheNothingFoundWordingCountsAsNoResults) {
    struct Case {
        Text page;
        bool has_results;
    };
    const Case cases[] = {
        {"<p>找不到和您的查询 \"x\" 相符的网页。</p>", false},
        {"", true},
        {"找不到和您的", true},                   // no "查询" after it
        {"找不到 和您的查询", true},              // not directly
        {"找不到网页<p>找不到和您的查询", true},  // the first "找不到" decides
        {"找到相关结果约1,230个", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.page);
        store_browser_page(c.page);
        EXPECT_EQ(page_has_results(), c.has_results);
    }
}

TEST_F(EnginePage, HttpPageLosesCachedCopyLinksAndIsSplitAtTheHotlineMarker) {
    const Text cache = endpoints::kCachePrefix;
    store_http_page("<a href=\"" + cache + ".com/c?1\">a</a>咨询热线：<a href=\"" +
                    text_upper(cache) + ".com/c?2\">b</a>咨询热线：tail");
    const Text& page = engine_page_state().page_text;
    EXPECT_EQ(page, "<a href=\".com/c?1\">a</a>咨询热线：<a href=\".com/c?2\">b</a>咨询热线：tail");
    EXPECT_EQ(shared_page_state().page_segments,
              (TextList{"<a href=\".com/c?1\">a</a>", "<a href=\".com/c?2\">b</a>", "tail"}));

    struct Case {
        Bytes body;
        TextList segments;
    };
    const Case cases[] = {
        {"no marker", {"no marker"}},
        {"咨询热线：results", {"", "results"}},
        {Bytes("head\0咨询热线：hidden", 20), {"head"}},  // the text ends at a zero byte
        {"", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.body);
        store_http_page(c.body);
        EXPECT_EQ(shared_page_state().page_segments, c.segments);
    }
}

TEST_F(EnginePage, BrowserPageIsKeptWholeAndLeavesTheSegmentsAlone) {
    shared_page_state().page_segments = {"bt", "page"};
    const Text markup = Text("<a href=\"") + endpoints::kCachePrefix + ".com\">咨询热线：</a>";
    store_browser_page(markup);
    EXPECT_EQ(engine_page_state().page_text, markup);
    EXPECT_EQ(shared_page_state().page_segments, (TextList{"bt", "page"}));
}

TEST_F(EnginePage, FinishShowsTheStatusAndTheIdleLook) {
    search_state().engine_running = true;
    search_state().bt_running = true;
    search_state().engine_offset = 40;
    controls.texts[Control::按钮1] = "停止搜索";
    controls.disabled[Control::搜索框] = true;
    controls.shown[Control::图片框1] = true;
    finish_engine_search("状态：已经搜索完毕！");
    EXPECT_EQ(controls.status, "状态：已经搜索完毕！");
    EXPECT_EQ(controls.texts[Control::按钮1], "开始搜索");
    EXPECT_FALSE(search_state().engine_running);
    EXPECT_TRUE(search_state().bt_running);
    EXPECT_EQ(search_state().engine_offset, 40);  // a search that ends keeps its counter
    EXPECT_TRUE(controls.enabled(Control::搜索框));
    EXPECT_FALSE(controls.visible(Control::图片框1));
}

TEST(MatchMemo, SearchesAgainWhenTheTextChangesInPlace) {
    clear_match_memo();
    regex compiler;
    Text page = "<b>1</b><b>2</b>";
    ASSERT_EQ(remembered_search_all(compiler, "<b>(.*?)</b>", page).size(), 2u);
    page.replace(0, 3, "<i>");  // same length, same storage
    EXPECT_EQ(remembered_search_all(compiler, "<b>(.*?)</b>", page).size(), 1u);
    EXPECT_EQ(remembered_search_all(compiler, "<i>(.*?)</b>", page).size(), 1u);
}

TEST(MatchMemo, APatternThatDoesNotCompileMatchesNothing) {
    clear_match_memo();
    regex compiler;
    const Text page = "(a)(b)";
    ASSERT_EQ(remembered_search_all(compiler, "\\((.)\\)", page).size(), 2u);
    // The compiler keeps its last good expression; the memo must not use it.
    EXPECT_TRUE(remembered_search_all(compiler, "((.)", page).empty());
}

}  // namespace
}  // namespace tumbrix
