#include <gtest/gtest.h>

#include <string>

#include <tumbrix/endpoints.h>

#include "sources/catalogue.h"
#include "sources/engine_page.h"
#include "sources/engine_rows.h"
#include "sources/match_memo.h"
#include "sources/search_state.h"
#include "support/engine_fixtures.h"
#include "support/fake_controls.h"

namespace tumbrix {
namespace {

namespace ep = endpoints;
using testing::engine_fixture;

constexpr int kEngineSources[] = {2, 3, 4, 5, 6, 7};

// A running engine search in cloud-disk mode, its page already fetched.
class EngineRows : public ::testing::Test {
  protected:
    void SetUp() override { start_search(); }

    // As a click on 开始搜索 leaves things: list cleared, running look.
    void start_search() {
        controls.list_clear();
        reset_search_state();
        reset_shared_page_state();
        reset_engine_page_state();
        clear_match_memo();
        search_state().search_mode = 1;
        search_state().engine_running = true;
        controls.texts[Control::按钮1] = "停止搜索";
        controls.disabled[Control::搜索框] = true;
        controls.shown[Control::图片框1] = true;
        controls.status = "状态：";
    }

    // One pass of `source` over the fixture page, as the fetch stores it.
    void read_page(int source, const std::string& fixture) {
        search_state().current_source = source;
        const Bytes page = engine_fixture(fixture);
        ASSERT_FALSE(page.empty()) << fixture;
        if (is_browser_source(source))
            store_browser_page(bytes_to_text(page));
        else
            store_http_page(page);
        read_engine_page();
    }

    static std::string page(int source, const char* kind) {
        return "source" + std::to_string(source) + "_" + kind + ".html";
    }

    void expect_running() {
        EXPECT_TRUE(search_state().engine_running);
        EXPECT_EQ(controls.status, "状态：");
        EXPECT_EQ(controls.texts[Control::按钮1], "停止搜索");
    }

    void expect_idle(const Text& status) {
        EXPECT_FALSE(search_state().engine_running);
        EXPECT_EQ(controls.status, status);
        EXPECT_EQ(controls.texts[Control::按钮1], "开始搜索");
        EXPECT_TRUE(controls.enabled(Control::搜索框));
        EXPECT_FALSE(controls.visible(Control::图片框1));
    }

    testing::FakeControls controls;
};

TEST_F(EngineRows, FullPageGivesTenCleanRowsForEverySource) {
    using Row = std::vector<Text>;  // title, size, link
    const Text xun6 = "http://www.xun6.com/file/a1b2c3d";
    struct Case {
        int source;
        Row first;
        Row tenth;
    };
    const Case cases[] = {
        {2,
         {"关键字资料01.rar ", "1.5 MB", Text(ep::kLink115) + ".com/file/f0000001"},
         {"关键字资料10.rar ", "10.5 MB", Text(ep::kLink115) + ".com/file/f0000010"}},
        {3,
         {"关键字资料01.rar", "1.5 MB", "http://www.namipan.com/d/d0000001"},
         {"关键字资料10.rar", "10.5 MB", "http://www.namipan.com/d/d0000010"}},
        {4,
         {"关键字资料01.rar ", "1.5 MB", xun6 + "01/%E8%B5%84%E6%96%9901.rar.html"},
         {"关键字资料10.rar ", "10.5 MB", xun6 + "10/%E8%B5%84%E6%96%9910.rar.html"}},
        {5,
         {"关键字资料01.rar", "1.5 MB", Text(ep::kLinkRayfile) + "zh-cn/files/0a1b2c01-4e5f/"},
         {"关键字资料10.rar", "10.5 MB", Text(ep::kLinkRayfile) + "zh-cn/files/0a1b2c10-4e5f/"}},
        {6,
         {"关键字资料01", "1.5MB", Text(ep::kSinaBase) + "/f/12340001.html"},
         {"关键字资料10", "10.5MB", Text(ep::kSinaBase) + "/f/12340010.html"}},
        // Hotfile's title and size both come from the result's snippet: the
        // title removals leave one "</em>", the size removals the " |".
        {7,
         {"keyword</em>01.rar | 1.5 MB",
          "[keyword01.rar. 選擇下載方式: 下載型態: 免费, 高级会员. 下載速度: 限制,無限制的 "
          "最大同時下載數目: 1 1.5 MB<b>...",
          Text(ep::kLinkHotfile) + "dl/110001/a1b2c3/keyword01.rar.html"},
         {"keyword</em>10.rar | 10.5 MB",
          "[keyword10.rar. 選擇下載方式: 下載型態: 免费, 高级会员. 下載速度: 限制,無限制的 "
          "最大同時下載數目: 1 10.5 MB<b>...",
          Text(ep::kLinkHotfile) + "dl/110010/a1b2c3/keyword10.rar.html"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.source);
        start_search();
        read_page(c.source, page(c.source, "full"));
        ASSERT_EQ(controls.rows.size(), 10u);
        EXPECT_EQ(controls.rows[0], c.first);
        EXPECT_EQ(controls.rows[9], c.tenth);
        EXPECT_EQ(engine_page_state().engine_hit_count, 1230);
        EXPECT_EQ(shared_page_state().row_index, 9);
        expect_running();
    }
}

TEST_F(EngineRows, HitCountReachedEndsTheSearchAfterItsLastRowIsComplete) {
    read_page(2, "source2_three.html");
    ASSERT_EQ(controls.rows.size(), 3u);
    EXPECT_EQ(controls.rows[2], (std::vector<Text>{"关键字资料03.rar ", "3.5 MB",
                                                   Text(ep::kLink115) + ".com/file/f0000003"}));
    expect_idle("状态：已经搜索完毕！");
}

// After two full pages the last page holds four results where ten are
// expected: no title is accepted, the link step ends the search, and the rows
// of the earlier pages stay as they were.
TEST_F(EngineRows, ShortLastPageEndsTheSearchAndLeavesEarlierRowsAlone) {
    for (int source : kEngineSources) {
        SCOPED_TRACE(source);
        start_search();
        read_page(source, page(source, "full"));
        read_page(source, page(source, "full"));
        ASSERT_EQ(controls.rows.size(), 20u);
        const std::vector<Text> row19 = controls.rows[19];
        expect_running();

        read_page(source, page(source, "last"));
        EXPECT_EQ(engine_page_state().engine_hit_count, 24);
        EXPECT_EQ(controls.rows.size(), 20u);
        EXPECT_EQ(controls.rows[19], row19);
        EXPECT_NE(controls.rows[19][1], "不详");
        expect_idle("状态：已经搜索完毕！");
    }
}

// Ten titles, eleven links and (but for Hotfile, whose size is its title)
// nine sizes: ten rows with titles, no link, sizes unknown, search over.
TEST_F(EngineRows, MismatchedCountsGiveTitlesWithoutLinks) {
    for (int source : kEngineSources) {
        SCOPED_TRACE(source);
        start_search();
        read_page(source, page(source, "mismatch"));
        ASSERT_EQ(controls.rows.size(), 10u);
        for (const auto& row : controls.rows) {
            EXPECT_NE(row[0], "");
            EXPECT_EQ(row[2], "");
            if (source == 7)
                EXPECT_NE(row[1], "不详");
            else
                EXPECT_EQ(row[1], "不详");
        }
        expect_idle("状态：已经搜索完毕！");
    }
}

TEST_F(EngineRows, NothingFoundPageEndsTheSearchWithoutRows) {
    for (int source : kEngineSources) {
        SCOPED_TRACE(source);
        start_search();
        read_page(source, page(source, "none"));
        EXPECT_TRUE(controls.rows.empty());
        expect_idle("状态：没有搜索到相关的信息！！");
    }
}

// Namipan and RayFile read their results between the first and second
// "咨询热线：". A page without it has no such segment: nothing is accepted and
// the link step ends the search.
TEST_F(EngineRows, SegmentSourcesOnAPageWithoutMarkersFindNothing) {
    for (int source : {3, 5}) {
        SCOPED_TRACE(source);
        start_search();
        read_page(source, "source3_no_marker.html");
        EXPECT_EQ(shared_page_state().page_segments.size(), 1u);
        EXPECT_TRUE(controls.rows.empty());
        expect_idle("状态：已经搜索完毕！");
    }
}

// A title step that appends nothing leaves the row of an earlier search (or
// of another kind of search) alone, even though row_index still names it.
TEST_F(EngineRows, RowStepsNeverWriteIntoARowTheirTitleStepDidNotAppend) {
    const int old = controls.list_insert_row();
    controls.list_set_cell(old, 1, "12 MB");
    controls.list_set_cell(old, 2, "http://bt.example.invalid/1");
    shared_page_state().row_index = old;
    read_page(2, "source2_last.html");
    EXPECT_EQ(controls.rows.size(), 1u);
    EXPECT_EQ(controls.rows[0], (std::vector<Text>{"", "12 MB", "http://bt.example.invalid/1"}));
    expect_idle("状态：已经搜索完毕！");
}

TEST_F(EngineRows, PageWithoutHitCountRunsNoIteration) {
    search_state().current_source = 2;
    store_http_page("<html><body>no results here</body></html>");
    read_engine_page();
    store_http_page(Bytes());
    read_engine_page();
    EXPECT_TRUE(controls.rows.empty());
    expect_running();
}

}  // namespace
}  // namespace tumbrix
