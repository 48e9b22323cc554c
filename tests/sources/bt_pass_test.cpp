#include <gtest/gtest.h>
#include <tumbrix/endpoints.h>

#include <string>
#include <vector>

#include "sources/bt_state.h"
#include "sources/bt_steps.h"
#include "sources/pass_driver.h"
#include "sources/search_state.h"
#include "support/fake_controls.h"

namespace tumbrix {
namespace {

using testing::read_fixture;
using testing::replaced;

Text bt_link(int id) {
    return std::string(endpoints::kLinkBt) + ".invalid/torrent/" + std::to_string(id) + ".html";
}

const std::vector<Text> kTenTitles = {
    "ubuntu 10.04 desktop i386 光盘镜像",
    "Ubuntu 10.04 server amd64",
    "ubuntu 9.10 netbook remix",
    "Kubuntu 10.04 ubuntu KDE 版",
    "ubuntu 官方中文文档合集",
    "Xubuntu 10.04 alternate",
    "ubuntu 8.04 LTS 种子",
    "Edubuntu 10.04 DVD",
    "ubuntu 壁纸 1920x1200",
    "Lubuntu 10.04 i386",
};

// Records the look changes, message boxes and status texts in call order,
// each with "+" or "-" for whether bt_running was set at that moment.
class RecordingControls : public testing::FakeControls {
  public:
    std::vector<std::string> log;

    void status_set_text(int part, const Text& text) override {
        note("status " + text);
        FakeControls::status_set_text(part, text);
    }
    void set_text(Control control, const Text& text) override {
        if (control == Control::按钮1) note("caption " + text);
        FakeControls::set_text(control, text);
    }
    void set_visible(Control control, bool visible) override {
        if (control == Control::图片框1) note(visible ? "picture shown" : "picture hidden");
        FakeControls::set_visible(control, visible);
    }
    void set_enabled(Control control, bool enabled) override {
        if (control == Control::搜索框) note(enabled ? "box enabled" : "box disabled");
        FakeControls::set_enabled(control, enabled);
    }
    int show_message(const Text& text, int buttons, const Text& title) override {
        note("message " + text);
        return FakeControls::show_message(text, buttons, title);
    }

  private:
    void note(const std::string& what) {
        log.push_back((search_state().bt_running ? "+ " : "- ") + what);
    }
};

class BtSearch : public ::testing::Test {
  protected:
    void SetUp() override {
        reset_search_state();
        reset_shared_page_state();
        reset_bt_page_state();
        search_state().search_mode = 2;
        controls.columns = {"资源文件名称", "地址"};
        controls.texts[Control::搜索框] = "ubuntu";
        controls.messages.clear();
        driver = {};
        driver.start(SearchKind::bt);
        controls.log.clear();
    }

    int run(const std::vector<Bytes>& pages) { return driver.run(SearchKind::bt, pages); }
    bool running() const { return search_state().bt_running; }
    void expect_idle_look() {
        EXPECT_EQ(controls.texts[Control::按钮1], "开始搜索");
        EXPECT_TRUE(controls.enabled(Control::搜索框));
        EXPECT_FALSE(controls.visible(Control::图片框1));
    }

    RecordingControls controls;
    testing::PassDriver driver;
    const Bytes ten_results = read_fixture("bt/ten_results.html");
};

TEST_F(BtSearch, TenResultsGiveTenRowsAndTheNextPassAsksForTheNextPage) {
    EXPECT_EQ(run({ten_results, ten_results}), 2);

    ASSERT_EQ(controls.rows.size(), 20u);
    for (size_t i = 0; i < 20; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(controls.rows[i][0], kTenTitles[i % 10]);  // "<em>" gone in any case
        EXPECT_EQ(controls.rows[i][1], bt_link(1001 + static_cast<int>(i % 10)));
    }
    EXPECT_EQ(bt_page_state().bt_count_text, "1234");
    EXPECT_EQ(bt_page_state().bt_hit_count, 1234);
    ASSERT_EQ(driver.urls.size(), 2u);
    EXPECT_NE(driver.urls[0].find("&pn=0&"), Text::npos) << driver.urls[0];
    EXPECT_NE(driver.urls[1].find("&pn=10&"), Text::npos) << driver.urls[1];
    EXPECT_TRUE(running());
    EXPECT_EQ(controls.status, "状态：");
    EXPECT_TRUE(controls.messages.empty());
}

TEST_F(BtSearch, ReachingTheHitCountShowsTheMessageAndStillWritesTheLastLink) {
    struct AtTheBox {
        size_t rows = 0;
        Text last_link = "unset";
        bool picture_visible = false;
        bool box_enabled = true;
    } seen;
    controls.responder = [&](const testing::FakeControls::Message&) {
        seen = {controls.rows.size(), controls.rows.back()[1], controls.visible(Control::图片框1),
                controls.enabled(Control::搜索框)};
        return 0;
    };

    EXPECT_EQ(run({read_fixture("bt/seven_results.html"), ten_results}), 1);

    ASSERT_EQ(controls.messages.size(), 1u);
    EXPECT_EQ(controls.messages[0].text, "搜索完毕！");
    EXPECT_EQ(controls.messages[0].buttons, 0);
    EXPECT_EQ(controls.messages[0].title, "信息：");
    EXPECT_EQ(seen.rows, 7u);
    EXPECT_EQ(seen.last_link, "");
    EXPECT_TRUE(seen.picture_visible);
    EXPECT_FALSE(seen.box_enabled);
    // Flag and caption before the box, the rest of the look after it; no status.
    EXPECT_EQ(controls.log, (std::vector<std::string>{"- caption 开始搜索", "- message 搜索完毕！",
                                                      "- picture hidden", "- box enabled"}));

    ASSERT_EQ(controls.rows.size(), 7u);
    EXPECT_EQ(controls.rows[6][0], kTenTitles[6]);
    EXPECT_EQ(controls.rows[6][1], bt_link(1007));
    EXPECT_FALSE(running());
    expect_idle_look();
    EXPECT_EQ(controls.status, "状态：");
}

TEST_F(BtSearch, IterationsAfterTheHitCountStillAppendRows) {
    const Bytes fifteen_hits = replaced(ten_results, "约1,234", "15");
    EXPECT_EQ(run({fifteen_hits, fifteen_hits, ten_results}), 2);

    EXPECT_EQ(controls.rows.size(), 20u);
    EXPECT_EQ(controls.rows[19][1], bt_link(1010));
    EXPECT_EQ(controls.messages.size(), 1u);
    EXPECT_FALSE(running());
    expect_idle_look();
}

TEST_F(BtSearch, ALastPageShortOfLinksEndsTheSearchWithoutRows) {
    EXPECT_EQ(run({ten_results, ten_results, read_fixture("bt/last_page_of_25.html"), ten_results}),
              3);

    ASSERT_EQ(controls.rows.size(), 20u);
    EXPECT_EQ(controls.rows[19][0], kTenTitles[9]);
    EXPECT_EQ(controls.rows[19][1], bt_link(1010));
    EXPECT_EQ(controls.status, "状态：已经搜索完毕！");
    EXPECT_FALSE(running());
    expect_idle_look();
    EXPECT_TRUE(controls.messages.empty());
}

TEST_F(BtSearch, TenTitlesAndNineLinksRepeatTheEndInEveryIteration) {
    const Bytes nine_links = replaced(ten_results, bt_link(1005) + "\" target=\"_blank\">",
                                      "http://mirror.invalid/1005.html\" target=\"_blank\">");
    EXPECT_EQ(run({nine_links, ten_results}), 1);

    ASSERT_EQ(controls.rows.size(), 10u);
    EXPECT_EQ(controls.column(0), kTenTitles);
    EXPECT_EQ(controls.column(1), std::vector<Text>(10, ""));
    EXPECT_EQ(controls.status, "状态：已经搜索完毕！");
    EXPECT_FALSE(running());
    expect_idle_look();

    std::vector<std::string> expected = {"+ status 状态：已经搜索完毕！", "+ caption 开始搜索",
                                         "- picture hidden", "- box enabled"};
    for (int i = 1; i < 10; ++i)
        expected.insert(expected.end(), {"- status 状态：已经搜索完毕！", "- caption 开始搜索",
                                         "- picture hidden", "- box enabled"});
    EXPECT_EQ(controls.log, expected);
}

TEST_F(BtSearch, ALinkIsWrittenOnlyIntoTheRowOfItsOwnTitle) {
    // The next page's results, one of whose titles lost its closing
    // "</a></h3>": nine titles, still ten links.
    const Bytes next_page = replaced(ten_results, ".invalid/torrent/10", ".invalid/torrent/20");
    const Bytes nine_titles = replaced(next_page, "ubuntu</em> 官方中文文档合集</a></h3>",
                                       "ubuntu</em> 官方中文文档合集</a>");
    EXPECT_EQ(run({ten_results, nine_titles}), 2);

    ASSERT_EQ(controls.rows.size(), 10u);
    EXPECT_EQ(controls.rows[9][1], bt_link(1010));
    EXPECT_TRUE(running());
    EXPECT_EQ(controls.status, "状态：");
}

TEST_F(BtSearch, AHitCountWithoutSegment2SearchesNothing) {
    // Exactly ten results in the whole page: the two adverts lose their titles.
    Bytes no_marker = replaced(ten_results, "咨询热线：", "");
    no_marker = replaced(no_marker, "光盘免费送</a></h3>", "光盘免费送</a>");
    no_marker = replaced(no_marker, "种子大全</a></h3>", "种子大全</a>");
    const struct {
        const char* name;
        Bytes page;
    } cases[] = {
        {"no marker at all", no_marker},
        {"one marker with nothing after it", no_marker + "咨询热线："},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        EXPECT_EQ(run({ten_results, c.page, ten_results}), 2);
        ASSERT_EQ(controls.rows.size(), 10u);
        EXPECT_EQ(controls.rows[9][1], bt_link(1010));
        EXPECT_EQ(controls.status, "状态：已经搜索完毕！");
        EXPECT_FALSE(running());
        expect_idle_look();
    }
}

TEST_F(BtSearch, PagesWithoutACountKeepTheSearchGoingUnlessThreeInARowAreEmpty) {
    const Bytes no_count = read_fixture("bt/no_count.html");
    const Bytes empty;
    const struct {
        const char* name;
        std::vector<Bytes> pages;
        bool still_running;
        Text status;
    } cases[] = {
        {"pages without a count", {no_count, no_count, no_count, no_count}, true, "状态："},
        {"three empty fetches",
         {empty, empty, empty, no_count},
         false,
         "状态：连接失败，搜索已停止！"},
        {"empty fetches not in a row", {empty, empty, no_count, empty, empty}, true, "状态："},
        {"a page without a count between",
         {empty, no_count, empty, empty, empty, no_count},
         false,
         "状态：连接失败，搜索已停止！"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        const int passes = run(c.pages);
        EXPECT_TRUE(controls.rows.empty());
        EXPECT_EQ(running(), c.still_running);
        EXPECT_EQ(controls.status, c.status);
        if (c.still_running) {
            EXPECT_EQ(passes, static_cast<int>(c.pages.size()));
            EXPECT_NE(driver.urls.back().find("&pn=" + std::to_string(10 * (passes - 1)) + "&"),
                      Text::npos);
        } else {
            EXPECT_EQ(passes, static_cast<int>(c.pages.size()) - 1);
            expect_idle_look();
        }
    }
}

TEST_F(BtSearch, AThirdEmptyFetchAwaitedByAStoppedSearchKeepsTheStopsStatus) {
    const Bytes empty;
    run({empty, empty});
    driver.while_fetching = [this] { driver.stop(SearchKind::bt); };
    EXPECT_EQ(run({empty, ten_results}), 1);
    EXPECT_FALSE(running());
    EXPECT_EQ(controls.status, "状态：");
}

TEST_F(BtSearch, EmptyFetchesOfAnEarlierSearchDoNotCount) {
    const Bytes empty;
    EXPECT_EQ(run({empty, empty}), 2);
    driver.start(SearchKind::bt);
    EXPECT_EQ(run({empty, empty}), 2);
    EXPECT_TRUE(running());
}

}  // namespace
}  // namespace tumbrix
