#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sources/pass_driver.h"
#include "sources/portal_state.h"
#include "sources/search_state.h"
#include "support/fake_controls.h"

namespace tumbrix {
namespace {

using testing::read_fixture;
using testing::replaced;

Text portal_link(int id) {
    return "http://tazhao.invalid/down/" + std::to_string(id);
}

// The ten rows of portal/ten_results.html.
const std::vector<std::vector<Text>> kTenRows = {
    {"ubuntu 10.04 桌面版光盘镜像", "698.0 MB ", portal_link(1)},
    {"Ubuntu 服务器版 amd64", "<b>4.3 GB</b> ",
     portal_link(2)},                                      // "<B>" gone, "<b>" kept in the size
    {"", "1.2 KB ", portal_link(3)},                       // "此资源暂无描述。"
    {"第一行第二行\n第三行\r", "12 MB ", portal_link(4)},  // only CR LF pairs go
    {"Kubuntu KDE 桌面", "699 MB ", portal_link(5)},
    {"Xubuntu 轻量桌面", "650 MB ", portal_link(6)},
    {"ubuntu 官方文档 ①②③", "3.1 MB ", portal_link(7)},
    {"Edubuntu 教育版", "2.9 GB ", portal_link(8)},
    {"ubuntu 壁纸合集", "88 MB ", portal_link(9)},
    {"Lubuntu 上网本版", "512 MB ", portal_link(10)},
};

class PortalSearch : public ::testing::Test {
  protected:
    void SetUp() override {
        reset_search_state();
        reset_shared_page_state();
        reset_portal_page_state();
        search_state().search_mode = 1;
        search_state().current_source = 1;
        controls.texts[Control::搜索框] = "ubuntu";
        driver = {};
        driver.start(SearchKind::portal);
    }

    int run(const std::vector<Bytes>& pages) { return driver.run(SearchKind::portal, pages); }
    bool running() const { return search_state().portal_running; }
    void expect_running_look() {
        EXPECT_EQ(controls.texts[Control::按钮1], "停止搜索");
        EXPECT_FALSE(controls.enabled(Control::搜索框));
        EXPECT_TRUE(controls.visible(Control::图片框1));
        EXPECT_EQ(controls.status, "状态：");
    }
    void expect_ended() {
        EXPECT_FALSE(running());
        EXPECT_EQ(controls.status, "状态：已经搜索完毕！");
        EXPECT_EQ(controls.texts[Control::按钮1], "开始搜索");
        EXPECT_TRUE(controls.enabled(Control::搜索框));
        EXPECT_FALSE(controls.visible(Control::图片框1));
    }

    testing::FakeControls controls;
    testing::PassDriver driver;
    const Bytes ten_results = read_fixture("portal/ten_results.html");
};

TEST_F(PortalSearch, TenCompleteResultsGiveTenRowsAndTheNextPassAsksForTheNextPage) {
    EXPECT_EQ(run({ten_results, ten_results}), 2);

    ASSERT_EQ(controls.rows.size(), 20u);
    for (size_t i = 0; i < 20; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(controls.rows[i], kTenRows[i % 10]);
    }
    ASSERT_EQ(driver.urls.size(), 2u);
    EXPECT_NE(driver.urls[0].find("&p=0"), Text::npos) << driver.urls[0];
    EXPECT_NE(driver.urls[1].find("&p=10"), Text::npos) << driver.urls[1];
    EXPECT_TRUE(running());
    expect_running_look();
}

TEST_F(PortalSearch, TwelveResultsFillTheRowsFromTheFirstTenMatches) {
    EXPECT_EQ(run({read_fixture("portal/twelve_results.html"), ten_results}), 2);

    ASSERT_EQ(controls.rows.size(), 20u);
    for (size_t i = 0; i < 10; ++i) EXPECT_EQ(controls.rows[i], kTenRows[i]) << i;
    EXPECT_TRUE(running());
}

TEST_F(PortalSearch, ElevenLinksLeaveTheLinksEmptyAndEndTheSearch) {
    EXPECT_EQ(run({read_fixture("portal/eleven_links.html"), ten_results}), 1);

    ASSERT_EQ(controls.rows.size(), 10u);
    for (size_t i = 0; i < 10; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(controls.rows[i][0], kTenRows[i][0]);
        EXPECT_EQ(controls.rows[i][1], kTenRows[i][1]);
        EXPECT_EQ(controls.rows[i][2], "");
    }
    expect_ended();
}

TEST_F(PortalSearch, APageWithoutResultsAddsNoRowAndEndsTheSearch) {
    EXPECT_EQ(run({ten_results, read_fixture("portal/no_results.html"), ten_results}), 2);

    ASSERT_EQ(controls.rows.size(), 10u);
    EXPECT_EQ(controls.rows[9], kTenRows[9]);
    expect_ended();
}

TEST_F(PortalSearch, SizesAndLinksGoOnlyIntoRowsTheDescriptionStepAppended) {
    // The next page's results, one of whose descriptions has lost its box:
    // nine descriptions, still ten sizes and ten links.
    Bytes next_page = replaced(ten_results, "/down/", "/down/2");
    next_page = replaced(next_page, "698.0 MB", "700.0 MB");
    const Bytes nine_descriptions =
        replaced(next_page, "<div class=\"introtext\">Kubuntu", "<div class=\"intro\">Kubuntu");
    EXPECT_EQ(run({ten_results, nine_descriptions, ten_results}), 2);

    ASSERT_EQ(controls.rows.size(), 10u);
    EXPECT_EQ(controls.rows[9], kTenRows[9]);
    expect_ended();
}

TEST_F(PortalSearch, OnlyThreeEmptyFetchesInARowEndTheSearch) {
    const Bytes empty;
    EXPECT_EQ(run({empty, empty, ten_results, empty, empty}), 5);
    EXPECT_EQ(controls.rows.size(), 10u);
    EXPECT_TRUE(running());
    expect_running_look();

    EXPECT_EQ(run({empty, ten_results}), 1);
    EXPECT_EQ(controls.rows.size(), 10u);
    EXPECT_FALSE(running());
    EXPECT_EQ(controls.status, "状态：连接失败，搜索已停止！");
    EXPECT_EQ(controls.texts[Control::按钮1], "开始搜索");
    EXPECT_TRUE(controls.enabled(Control::搜索框));
    EXPECT_FALSE(controls.visible(Control::图片框1));
}

TEST_F(PortalSearch, APassStoppedWhileItsPageWasAwaitedKeepsTheStopsLook) {
    const Bytes empty;
    const struct {
        const char* name;
        std::vector<Bytes> before;
        Bytes awaited;
        size_t rows;
    } cases[] = {
        {"a page without results", {}, read_fixture("portal/no_results.html"), 0},
        {"eleven links", {}, read_fixture("portal/eleven_links.html"), 10},
        {"the third empty fetch", {empty, empty}, empty, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        run(c.before);
        driver.while_fetching = [this] { driver.stop(SearchKind::portal); };
        EXPECT_EQ(run({c.awaited, ten_results}), 1);
        EXPECT_EQ(controls.rows.size(), c.rows);  // the awaited page's rows still arrive
        EXPECT_FALSE(running());
        EXPECT_EQ(controls.status, "状态：");
        EXPECT_EQ(controls.texts[Control::按钮1], "开始搜索");
    }
}

}  // namespace
}  // namespace tumbrix
