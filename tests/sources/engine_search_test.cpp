// Engine searches end to end: a click on the real window's 开始搜索, the
// search loop, the real HTTP fetch, and a server on 127.0.0.1 that stands in
// for the engine's host and answers with fixture pages.
#include <arpa/inet.h>
#include <httplib.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <string>
#include <vector>

#include <tumbrix/endpoints.h>

#include <QLabel>

#include "page_server.h"
#include "support/engine_fixtures.h"
#include "tests/app/window_fixture.h"
#include "tests/web/test_hooks_guard.h"

namespace tumbrix::testing {
namespace {

namespace ep = endpoints;

struct Route {
    const char* name;
    int button;  // of 工具条2
    int source;
    std::string host;
    const char* page_key;  // the query key that carries the page counter
};

const Route kHttpRoutes[] = {
    {"115网盘", 1, 2, host_of(ep::kBaiduBase), "pn"},
    {"纳米盘", 2, 3, host_of(ep::kBaiduBase), "pn"},
    {"rayfile", 4, 5, host_of(ep::kBaiduBase), "pn"},
    {"新浪爱问", 3, 6, host_of(ep::kSinaBase), "page"},
};

// A loopback port that was free a moment ago and that nothing listens on.
int closed_port() {
    const int s = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    int port = 0;
    if (::bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
        ::getsockname(s, reinterpret_cast<sockaddr*>(&address), &length) == 0)
        port = ntohs(address.sin_port);
    ::close(s);
    return port;
}

std::string fixture_name(int source, const char* kind) {
    return "source" + std::to_string(source) + "_" + kind + ".html";
}

class EngineSearch : public WindowTest {
  protected:
    // Searches `keyword` on the route's button; returns when the search loop
    // inside the click has ended.
    void search(const Route& route, const Text& keyword, const std::vector<Bytes>& pages) {
        server.serve(pages);
        RouteGuard to_server(route.host, server.port());
        click_source(route.button);
        set_control_text(Control::搜索框, keyword);
        click_start();
    }

    static std::vector<Bytes> fixtures(int source, std::initializer_list<const char*> kinds) {
        std::vector<Bytes> pages;
        for (const char* kind : kinds) pages.push_back(engine_fixture(fixture_name(source, kind)));
        return pages;
    }

    Text status() const { return to_text(find<QLabel>(u"状态条1.0")->text()); }

    std::vector<Text> row(int r) const {
        return {list_cell_text(r, 0), list_cell_text(r, 1), list_cell_text(r, 2)};
    }

    PageServer server;
};

TEST_F(EngineSearch, HttpRoutesListTwoFullPagesAndEndOnTheShortLastOne) {
    struct Expected {
        std::vector<Text> first_row;
        Text last_size;  // of row 19, the last row the search lists
    };
    const Expected expected[] = {
        {{"关键字资料01.rar ", "1.5 MB", Text(ep::kLink115) + ".com/file/f0000001"}, "10.5 MB"},
        {{"关键字资料01.rar", "1.5 MB", "http://www.namipan.com/d/d0000001"}, "10.5 MB"},
        {{"关键字资料01.rar", "1.5 MB", Text(ep::kLinkRayfile) + "zh-cn/files/0a1b2c01-4e5f/"},
         "10.5 MB"},
        {{"关键字资料01", "1.5MB", Text(ep::kSinaBase) + "/f/12340001.html"}, "10.5MB"},
    };
    for (size_t i = 0; i < std::size(kHttpRoutes); ++i) {
        const Route& route = kHttpRoutes[i];
        SCOPED_TRACE(route.name);
        search(route, "关键字", fixtures(route.source, {"full", "full", "last"}));
        ASSERT_EQ(list_row_count(), 20);
        EXPECT_EQ(row(0), expected[i].first_row);
        EXPECT_EQ(row(19)[1], expected[i].last_size);
        EXPECT_EQ(status(), "状态：已经搜索完毕！");
        expect_idle_look();
        const std::vector<std::string> pages = route.source == 6
                                                   ? std::vector<std::string>{"0", "1", "2"}
                                                   : std::vector<std::string>{"0", "10", "20"};
        EXPECT_EQ(server.values_of(route.page_key), pages);
    }
}

TEST_F(EngineSearch, HitCountReachedEndsWithTheLastRowComplete) {
    search(kHttpRoutes[0], "关键字", {engine_fixture("source2_three.html")});
    ASSERT_EQ(list_row_count(), 3);
    EXPECT_EQ(row(2), (std::vector<Text>{"关键字资料03.rar ", "3.5 MB",
                                         Text(ep::kLink115) + ".com/file/f0000003"}));
    EXPECT_EQ(status(), "状态：已经搜索完毕！");
    expect_idle_look();
    EXPECT_EQ(server.targets().size(), 1u);
}

TEST_F(EngineSearch, MismatchedCountsListTitlesWithoutLinksAndEnd) {
    for (const Route& route : kHttpRoutes) {
        SCOPED_TRACE(route.name);
        search(route, "关键字", fixtures(route.source, {"mismatch", "full"}));
        ASSERT_EQ(list_row_count(), 10);
        for (int r = 0; r < 10; ++r) {
            EXPECT_NE(list_cell_text(r, 0), "");
            EXPECT_EQ(list_cell_text(r, 1), "不详");
            EXPECT_EQ(list_cell_text(r, 2), "");
        }
        EXPECT_EQ(status(), "状态：已经搜索完毕！");
        expect_idle_look();
        EXPECT_EQ(server.targets().size(), 1u);
    }
}

TEST_F(EngineSearch, NothingFoundPageEndsTheSearch) {
    for (const Route& route : kHttpRoutes) {
        SCOPED_TRACE(route.name);
        search(route, "关键字", fixtures(route.source, {"none", "full"}));
        EXPECT_EQ(list_row_count(), 0);
        EXPECT_EQ(status(), "状态：没有搜索到相关的信息！！");
        expect_idle_look();
        EXPECT_EQ(server.targets().size(), 1u);
    }
}

// Empty answers count as failed fetches; a page that arrives, even one
// without results, starts the count afresh.
TEST_F(EngineSearch, ThreeFetchesInARowThatBringNothingEndTheSearch) {
    const Bytes no_results = "<html><body>维护中</body></html>";
    search(kHttpRoutes[0], "关键字",
           {"", "", no_results, "", "", "", engine_fixture("source2_full.html")});
    EXPECT_EQ(list_row_count(), 0);
    EXPECT_EQ(status(), "状态：连接失败，搜索已停止！");
    expect_idle_look();
    EXPECT_EQ(server.values_of("pn"),
              (std::vector<std::string>{"0", "10", "20", "30", "40", "50"}));
}

TEST_F(EngineSearch, RefusedConnectionsEndTheSearch) {
    RouteGuard refused(host_of(ep::kBaiduBase), closed_port());
    click_source(kHttpRoutes[0].button);
    set_control_text(Control::搜索框, "关键字");
    click_start();
    EXPECT_EQ(list_row_count(), 0);
    EXPECT_EQ(status(), "状态：连接失败，搜索已停止！");
    expect_idle_look();
    EXPECT_EQ(search_state().engine_offset, 20);  // three pages were requested
}

// The stop click runs inside the wait for the first page: the idle look at
// once, and the page still lists its rows when it arrives; no page follows.
TEST_F(EngineSearch, StopDuringTheFetchStillListsThatPage) {
    server.set_delay(std::chrono::milliseconds(300));
    server.serve(fixtures(2, {"full", "full"}));
    RouteGuard to_server(kHttpRoutes[0].host, server.port());
    click_source(kHttpRoutes[0].button);
    set_control_text(Control::搜索框, "关键字");
    during_next_wait([this] {
        click_start();
        expect_idle_look();
    });
    click_start();
    server.set_delay({});
    EXPECT_EQ(list_row_count(), 10);
    EXPECT_EQ(status(), "状态：");
    expect_idle_look();
    EXPECT_FALSE(search_state().engine_running);
    EXPECT_EQ(server.targets().size(), 1u);
}

TEST_F(EngineSearch, SinaReceivesTheKeywordAsGbkBytes) {
    search(kHttpRoutes[3], "网盘 a&b", {engine_fixture("source6_none.html")});
    ASSERT_EQ(server.targets().size(), 1u);
    EXPECT_EQ(server.values_of("key"), std::vector<std::string>{"\xCD\xF8\xC5\xCC a"});
}

}  // namespace
}  // namespace tumbrix::testing
