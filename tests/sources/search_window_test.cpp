// BT and portal searches through the real window, from a click on 按钮1 to
// the end of the search, against a loopback server that stands in for Baidu
// and the portal under their own host names.
#include <tumbrix/endpoints.h>

#include <QLabel>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "library_server.h"
#include "platform/http_test_hooks.h"
#include "sources/bt_pass.h"
#include "sources/pass_driver.h"
#include "sources/portal_pass.h"
#include "window_fixture.h"

namespace tumbrix::testing {
namespace {

// The host of a base address such as "http://www.baidu.com".
std::string host_of(const std::string& base) {
    std::string host = base.substr(base.find("://") + 3);
    return host.substr(0, host.find_first_of(":/"));
}

Text bt_link(int id) {
    return std::string(endpoints::kLinkBt) + ".invalid/torrent/" + std::to_string(id) + ".html";
}

// Serves one page per page counter value ("pn" for Baidu, "p" for the portal)
// and an empty body for any other; records the values asked for.
class ResultPages {
  public:
    ResultPages() {
        server_.routes().Get("/s", [this](const httplib::Request& request,
                                          httplib::Response& response) {
            const bool baidu = request.has_param("wd");
            const std::string offset = request.get_param_value(baidu ? "pn" : "p");
            std::lock_guard lock(mutex_);
            asked_.push_back(offset.empty() ? -1 : std::stoi(offset));
            const auto page = pages_.find(asked_.back());
            response.set_content(page == pages_.end() ? std::string() : page->second,
                                 baidu ? "text/html; charset=gb2312" : "text/html; charset=utf-8");
        });
        const int port = server_.start();
        http::test_hooks::route_to_loopback(host_of(endpoints::kBaiduBase), port);
        http::test_hooks::route_to_loopback(host_of(endpoints::kPortalBase), port);
    }
    ~ResultPages() { http::test_hooks::clear_routes(); }

    // The pages served at page counter 0, 10, 20, ... in this order.
    void serve(const std::vector<Bytes>& pages) {
        std::lock_guard lock(mutex_);
        for (size_t i = 0; i < pages.size(); ++i) pages_[static_cast<int>(10 * i)] = pages[i];
    }
    std::vector<int> asked() {
        std::lock_guard lock(mutex_);
        return asked_;
    }

  private:
    LibraryServer server_;
    std::mutex mutex_;
    std::map<int, Bytes> pages_;
    std::vector<int> asked_;
};

class SearchWindow : public WindowTest {
  protected:
    SearchWindow(SearchKind kind, std::function<void()> pass)
        : kind_(kind), pass_(std::move(pass)) {}

    void SetUp() override {
        WindowTest::SetUp();
        set_control_text(Control::搜索框, "ubuntu");
    }

    // Clicks 按钮1 and returns when the search loop has ended. With
    // `stop_after` the user clicks 按钮1 again after that many passes.
    void search(int stop_after = 0) {
        int passes = 0;
        set_page_pass(kind_, [&] {
            pass_();
            ++passes;
            const bool stop = passes == stop_after || passes >= kMaxPasses;
            if (stop && running_flag(kind_)) click_start();
        });
        click_start();
    }

    Text status() const { return to_text(find<QLabel>(u"状态条1.0")->text()); }
    std::vector<Text> column(int c) const {
        std::vector<Text> texts;
        for (int row = 0; row < list_row_count(); ++row) texts.push_back(list_cell_text(row, c));
        return texts;
    }

    ResultPages server;

  private:
    static constexpr int kMaxPasses = 30;  // no test may search forever
    SearchKind kind_;
    std::function<void()> pass_;
};

class BtWindow : public SearchWindow {
  protected:
    BtWindow() : SearchWindow(SearchKind::bt, bt_pass) {}
    void SetUp() override {
        SearchWindow::SetUp();
        click_mode(1);
    }
    const Bytes ten_results = read_fixture("bt/ten_results.html");
};

TEST_F(BtWindow, TenResultsGiveTenRowsAndTheNextPassAsksForTheNextPage) {
    server.serve({ten_results, ten_results});
    search(2);

    EXPECT_EQ(server.asked(), (std::vector<int>{0, 10}));
    ASSERT_EQ(list_row_count(), 20);
    EXPECT_EQ(list_cell_text(0, 0), "ubuntu 10.04 desktop i386 光盘镜像");
    EXPECT_EQ(list_cell_text(1, 0), "Ubuntu 10.04 server amd64");  // upper-case EM gone
    EXPECT_EQ(list_cell_text(19, 1), bt_link(1010));
    EXPECT_EQ(status(), "状态：");  // stopped by the click
    EXPECT_TRUE(messages.empty());
}

TEST_F(BtWindow, SevenHitsEndWithTheMessageAndTheSeventhLinkFollowsIt) {
    server.serve({read_fixture("bt/seven_results.html")});
    Text link_at_the_box = "unset";
    set_message_responder([&](const MessageRequest& request) {
        messages.push_back(request);
        link_at_the_box = list_cell_text(6, 1);
        // The caption changes before the box, the rest of the look after it.
        EXPECT_EQ(to_text(start_button()->text()), "开始搜索");
        EXPECT_FALSE(search_box()->isEnabled());
        EXPECT_TRUE(find<BusyPicture>(u"图片框1")->isVisible());
        return 0;
    });
    search();

    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "搜索完毕！");
    EXPECT_EQ(messages[0].buttons, 0);
    EXPECT_EQ(link_at_the_box, "");
    ASSERT_EQ(list_row_count(), 7);
    EXPECT_EQ(list_cell_text(6, 1), bt_link(1007));
    EXPECT_EQ(server.asked(), std::vector<int>{0});
    expect_idle_look();
    EXPECT_EQ(status(), "状态：");
}

TEST_F(BtWindow, ALastPageOfFiveEndsTheSearchWithoutRows) {
    server.serve({ten_results, ten_results, read_fixture("bt/last_page_of_25.html")});
    search();

    EXPECT_EQ(list_row_count(), 20);
    EXPECT_EQ(list_cell_text(19, 1), bt_link(1010));
    EXPECT_EQ(status(), "状态：已经搜索完毕！");
    expect_idle_look();
    EXPECT_EQ(server.asked(), (std::vector<int>{0, 10, 20}));
}

TEST_F(BtWindow, TenTitlesAndNineLinksGiveTitlesOnlyAndEndTheSearch) {
    server.serve({replaced(ten_results, bt_link(1005), "http://mirror.invalid/1005.html")});
    search();

    EXPECT_EQ(list_row_count(), 10);
    EXPECT_EQ(column(1), std::vector<Text>(10, ""));
    EXPECT_EQ(status(), "状态：已经搜索完毕！");
    expect_idle_look();
}

TEST_F(BtWindow, PagesWithoutACountKeepTheSearchGoingAndEmptyOnesStopIt) {
    const Bytes no_count = read_fixture("bt/no_count.html");
    server.serve({no_count, no_count, no_count, no_count});
    search(4);
    EXPECT_EQ(server.asked(), (std::vector<int>{0, 10, 20, 30}));
    EXPECT_EQ(list_row_count(), 0);
    EXPECT_EQ(status(), "状态：");

    // Nothing is served past the fourth page: three empty answers in a row.
    search();
    EXPECT_EQ(server.asked(), (std::vector<int>{0, 10, 20, 30, 0, 10, 20, 30, 40, 50, 60}));
    EXPECT_EQ(status(), "状态：连接失败，搜索已停止！");
    expect_idle_look();
}

class PortalWindow : public SearchWindow {
  protected:
    PortalWindow() : SearchWindow(SearchKind::portal, portal_pass) {}
    void SetUp() override {
        SearchWindow::SetUp();
        click_source(5);  // "千脑"
    }
    const Bytes ten_results = read_fixture("portal/ten_results.html");
};

TEST_F(PortalWindow, TenCompleteRowsThenAnEmptyPageEndTheSearchVisibly) {
    server.serve({ten_results, read_fixture("portal/twelve_results.html"),
                  read_fixture("portal/no_results.html")});
    search();

    EXPECT_EQ(server.asked(), (std::vector<int>{0, 10, 20}));
    ASSERT_EQ(list_row_count(), 20);
    EXPECT_EQ(list_cell_text(1, 0), "Ubuntu 服务器版 amd64");
    EXPECT_EQ(list_cell_text(1, 1), "<b>4.3 GB</b> ");
    EXPECT_EQ(list_cell_text(2, 0), "");
    EXPECT_EQ(list_cell_text(3, 0), "第一行第二行\n第三行\r");
    EXPECT_EQ(list_cell_text(19, 2), "http://tazhao.invalid/down/10");
    EXPECT_EQ(status(), "状态：已经搜索完毕！");
    expect_idle_look();
}

TEST_F(PortalWindow, ElevenLinksLeaveTheLinksEmptyAndEndTheSearch) {
    server.serve({read_fixture("portal/eleven_links.html"), ten_results});
    search();

    EXPECT_EQ(server.asked(), std::vector<int>{0});
    EXPECT_EQ(list_row_count(), 10);
    EXPECT_EQ(list_cell_text(9, 1), "512 MB ");
    EXPECT_EQ(column(2), std::vector<Text>(10, ""));
    EXPECT_EQ(status(), "状态：已经搜索完毕！");
    expect_idle_look();
}

TEST_F(PortalWindow, ThreeEmptyAnswersInARowStopTheSearch) {
    server.serve({});
    search();

    EXPECT_EQ(server.asked(), (std::vector<int>{0, 10, 20}));
    EXPECT_EQ(list_row_count(), 0);
    EXPECT_EQ(status(), "状态：连接失败，搜索已停止！");
    expect_idle_look();
}

}  // namespace
}  // namespace tumbrix::testing
