// The simulated web over real HTTP on 127.0.0.1: its routes take the query
// URLs as Tumbrix builds them, bad requests get a plain answer, every request
// is logged, its cookie is honoured, and the notice leads to live adverts.
#include <gtest/gtest.h>
#include <httplib.h>

#include <QImage>
#include <atomic>
#include <chrono>
#include <string>
#include <thread>

#include "sources/catalogue.h"
#include "sources/search_state.h"
#include "support/fake_controls.h"
#include "text/text.h"
#include "tools/simweb/results_page.h"
#include "tools/simweb/server.h"
#include "tumbrix/endpoints.h"

namespace tumbrix::simweb {
namespace {

class SimwebServer : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_GT(server.start(0), 0); }

    httplib::Result get(const std::string& target, const httplib::Headers& headers = {}) {
        httplib::Client client("127.0.0.1", server.port());
        client.set_url_encode(false);  // targets go out byte for byte, raw GBK included
        client.set_read_timeout(std::chrono::seconds(20));
        return client.Get(target.c_str(), headers);
    }

    Sites served_sites() const {
        Sites s = sites_of_this_build();
        s.self_base = server.base();
        return s;
    }

    Server server{sites_of_this_build()};
};

// The address Tumbrix would fetch, less its base: every base of this build
// stands for the one simulated web.
std::string target_of(const Text& url) {
    for (const char* base : {endpoints::kBaiduBase, endpoints::kGoogleBase, endpoints::kSinaBase,
                             endpoints::kPortalBase})
        if (url.starts_with(base)) return url.substr(std::string_view(base).size());
    return {};
}

// Built by Tumbrix's own URL builders: what the product asks for is what
// the simulated web answers, for every route and page.
TEST_F(SimwebServer, RoutesTheQueryUrlsTumbrixBuilds) {
    tumbrix::testing::FakeControls controls;
    reset_search_state();
    SearchState& state = search_state();
    struct Case {
        int mode, source;
        Source route;
        const char* charset;
    };
    const Case cases[] = {
        {1, 1, Source::portal, "UTF-8"},  {1, 2, Source::s115, "GBK"},
        {1, 3, Source::namipan, "GBK"},   {1, 4, Source::xun6, "UTF-8"},
        {1, 5, Source::rayfile, "GBK"},   {1, 6, Source::sina, "GBK"},
        {1, 7, Source::hotfile, "UTF-8"}, {2, 4, Source::bt, "GBK"},
    };
    // Sina is sent the keyword's GBK bytes as typed, so the keyword holds no
    // character that would end its query value.
    for (const Text keyword : {"网盘", "電影2010"}) {
        controls.texts[Control::搜索框] = keyword;
        for (const Case& c : cases) {
            state.search_mode = c.mode;
            state.current_source = c.source;
            state.engine_offset = state.portal_offset = state.bt_offset = -10;
            for (const int32_t first : {0, 10}) {
                const Text url = c.mode == 2     ? build_bt_url()
                                 : c.source == 1 ? build_portal_url()
                                                 : build_engine_url();
                SCOPED_TRACE(url);
                const std::string target = target_of(url);
                ASSERT_FALSE(target.empty());
                const auto res = get(target);
                ASSERT_TRUE(res);
                EXPECT_EQ(res->status, 200) << res->body;
                EXPECT_EQ(res->get_header_value("Content-Type"),
                          std::string("text/html; charset=") + c.charset);
                const ServedPage expected = results_page({c.route, keyword, first}, served_sites());
                EXPECT_FALSE(expected.rows.empty());
                EXPECT_EQ(res->body, expected.body);
            }
        }
    }
}

TEST_F(SimwebServer, KeywordsWithSpacesAndAmpersandsReachTheEncodedRoutes) {
    const std::string k = "%E7%BD%91%E7%9B%98%20a%26b";  // encodeURIComponent("网盘 a&b")
    const Text keyword = "网盘 a&b";
    const std::string targets[] = {
        "/s?q=" + k + "&p=0",
        std::string("/s?wd=site%3A%28") + endpoints::kDomain115 + "%29" + k + "&pn=0",
        std::string("/search?q=%22") + k + "%22+site:" + endpoints::kDomainHotfile + "&start=0",
        "/s?wd=" + k + "&pn=0&si=" + endpoints::kDomainBt,
    };
    const Source routes[] = {Source::portal, Source::s115, Source::hotfile, Source::bt};
    for (size_t i = 0; i < std::size(targets); ++i) {
        SCOPED_TRACE(targets[i]);
        const auto res = get(targets[i]);
        ASSERT_TRUE(res);
        EXPECT_EQ(res->body, results_page({routes[i], keyword, 0}, served_sites()).body);
    }
}

TEST_F(SimwebServer, BadRequestsGetAPlainAnswer) {
    const std::string bt = std::string("&si=") + tumbrix::endpoints::kDomainBt;
    const struct {
        std::string target;
        int status;
    } cases[] = {
        {"/s?wd=site%3A%28elsewhere.example%29x&pn=0", 400},  // no simulated site has it
        {"/s?wd=site%3A%28u.115.comx&pn=0", 400},             // no closing parenthesis
        {"/s?wd=x&pn=0", 400},                                // neither site: nor si=
        {"/s?wd=x&pn=-10" + bt, 400},
        {"/s?q=x&p=ten", 400},
        {"/s", 400},
        {"/search?q=x+site:xun6.com", 400},  // keyword not quoted
        {"/search?q=%22x%22+site:elsewhere.example", 400},
        {"/search.php?page=0", 400},
        {"/s?q=x&p=99999999999999999999", 200},  // far past the last page: an empty page
        {"/nowhere", 404},
        {"/ad/pic3.png", 404},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.target);
        const auto res = get(c.target);
        ASSERT_TRUE(res);
        EXPECT_EQ(res->status, c.status);
        EXPECT_FALSE(res->body.empty());
    }
    httplib::Client client("127.0.0.1", server.port());
    const auto post = client.Post("/s?q=x", "a=b", "application/x-www-form-urlencoded");
    ASSERT_TRUE(post);
    EXPECT_EQ(post->status, 405);
    EXPECT_EQ(server.request_log().back().method, "POST");
}

TEST_F(SimwebServer, LogsEveryRequestAndHonoursItsCookie) {
    auto first = get("/", {{"User-Agent", "tumbrix-test"}});
    ASSERT_TRUE(first);
    const std::string set = first->get_header_value("Set-Cookie");
    ASSERT_TRUE(set.starts_with(std::string(kVisitorCookie) + "=")) << set;
    const std::string cookie = set.substr(0, set.find(';'));

    auto again = get("/notice", {{"Cookie", "other=1; " + cookie}});
    ASSERT_TRUE(again);
    EXPECT_FALSE(again->has_header("Set-Cookie"));

    auto forged = get("/ad/web", {{"Cookie", std::string(kVisitorCookie) + "=999"}});
    ASSERT_TRUE(forged);
    EXPECT_TRUE(forged->has_header("Set-Cookie"));

    const Text gbk_target = "/search.php?key=网盘&page=0";
    ASSERT_TRUE(get(gbk_target));

    const auto log = server.request_log();
    ASSERT_EQ(log.size(), 4u);
    EXPECT_EQ(log[0].method, "GET");
    EXPECT_EQ(log[0].target, "/");
    EXPECT_EQ(log[0].header("user-agent"), "tumbrix-test");
    EXPECT_FALSE(log[0].cookie_returned);
    EXPECT_EQ(log[0].visit, 1);

    EXPECT_EQ(log[1].target, "/notice");
    EXPECT_EQ(log[1].cookies, "other=1; " + cookie);
    EXPECT_TRUE(log[1].cookie_returned);
    EXPECT_EQ(log[1].visitor, log[0].visitor);
    EXPECT_EQ(log[1].visit, 2);

    EXPECT_FALSE(log[2].cookie_returned);
    EXPECT_NE(log[2].visitor, 999);
    EXPECT_EQ(log[3].target, gbk_target);
    EXPECT_EQ(log[3].status, 200);

    server.clear_log();
    EXPECT_TRUE(server.request_log().empty());
}

TEST_F(SimwebServer, NoticePieceGivesTheSettingsLinesAndItsAddressesAnswer) {
    const auto res = get("/notice");
    ASSERT_TRUE(res);
    // Read as Tumbrix reads the notice: the text between the first and the
    // second "qwe", "<br>" dropped in any case, lines separated by "$".
    const TextList pieces = text_split(bytes_to_text(res->body), "qwe");
    ASSERT_GE(pieces.size(), 2u);
    const TextList lines = text_split(text_replace(pieces[1], "<br>", "", 1, -1, false), "$");

    const std::string b = server.base();
    const TextList expected = {
        "[总数]",     "次数=3",
        "[1]",        "广告=广告一：Tumbrix 模拟网络上线了|" + b + "/ad/go/1",
        "[2]",        "广告=广告二：本机模拟搜索，无需联网|" + b + "/ad/go/2",
        "[3]",        "广告=广告三：双击结果行打开链接|" + b + "/ad/go/3",
        "[图片总数]", "计数=2",
        "[图1]",      "图片广告=" + b + "/ad/pic1.png|" + b + "/ad/go/pic1|simweb_ad1.png",
        "[图2]",      "图片广告=" + b + "/ad/pic2.png|" + b + "/ad/go/pic2|simweb_ad2.png",
        "[网页]",     "网页广告=" + b + "/ad/web",
        "[弹窗]",     "弹窗广告=" + b + "/ad/popup",
        "[更新]",     "版本更新=2.3|" + b + "/update",
    };
    EXPECT_EQ(lines, expected);

    for (const char* path : {"/ad/go/1", "/ad/go/2", "/ad/go/3", "/ad/go/pic1", "/ad/go/pic2",
                             "/ad/web", "/ad/popup", "/update"}) {
        const auto page = get(path);
        ASSERT_TRUE(page) << path;
        EXPECT_EQ(page->status, 200) << path;
        EXPECT_EQ(page->get_header_value("Content-Type"), "text/html; charset=UTF-8") << path;
    }
}

TEST_F(SimwebServer, AdvertPicturesArePngs) {
    QImage pictures[2];
    for (int n = 1; n <= 2; ++n) {
        const auto res = get("/ad/pic" + std::to_string(n) + ".png");
        ASSERT_TRUE(res);
        EXPECT_EQ(res->get_header_value("Content-Type"), "image/png");
        QImage& image = pictures[n - 1];
        ASSERT_TRUE(image.loadFromData(reinterpret_cast<const uchar*>(res->body.data()),
                                       static_cast<int>(res->body.size()), "PNG"));
        EXPECT_EQ(image.width(), 280);
        EXPECT_EQ(image.height(), 70);
        EXPECT_NE(image.pixel(1, 1), image.pixel(140, 35 - 10));  // border against band
    }
    EXPECT_NE(pictures[0], pictures[1]);
}

TEST_F(SimwebServer, ResultLinksOfADemoBuildLeadToItsPages) {
    const std::string demo = "http://127.0.0.1:18080";
    Sites sites = sites_of_this_build();
    sites.self_base = demo;
    sites.cache_prefix = demo + "/cache/";
    sites.link_115 = demo + "/115/";
    sites.link_rayfile = demo + "/rayfile/";
    sites.link_hotfile = demo + "/hotfile/";
    sites.link_bt = demo + "/bt/";
    sites.sina_base = demo;
    for (int s = 1; s <= 8; ++s) {
        const ServedPage page = results_page({static_cast<Source>(s), "demo", 0}, sites);
        ASSERT_FALSE(page.rows.empty());
        for (const ServedRow& row : {page.rows.front(), page.rows.back()}) {
            ASSERT_TRUE(row.link.starts_with(demo + "/")) << row.link;
            const auto res = get(row.link.substr(demo.size()));
            ASSERT_TRUE(res) << row.link;
            EXPECT_EQ(res->status, 200) << row.link;
        }
    }
}

TEST(SimwebServerArrival, ARequestIsReportedBeforeItsPageDelay) {
    Server server(sites_of_this_build());
    std::atomic<int> arrived{0};
    std::string first_target;
    server.on_arrival([&](const std::string& target) {
        if (arrived++ == 0) first_target = target;
    });
    server.set_page_delay(std::chrono::minutes(5));
    ASSERT_GT(server.start(0), 0);
    std::thread waiting([&] {
        httplib::Client client("127.0.0.1", server.port());
        client.Get("/s?q=demo&p=10");
    });
    const auto started = std::chrono::steady_clock::now();
    while (arrived == 0 && std::chrono::steady_clock::now() - started < std::chrono::seconds(20))
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    EXPECT_EQ(arrived, 1);
    EXPECT_TRUE(server.request_log().empty());  // still held back
    server.stop();
    waiting.join();
    EXPECT_EQ(first_target, "/s?q=demo&p=10");
}

TEST_F(SimwebServer, PageDelayHoldsResultsBackAndStopCutsItShort) {
    server.set_page_delay(std::chrono::milliseconds(300));
    auto started = std::chrono::steady_clock::now();
    ASSERT_TRUE(get("/s?q=demo&p=0"));
    EXPECT_GE(std::chrono::steady_clock::now() - started, std::chrono::milliseconds(300));
    started = std::chrono::steady_clock::now();
    ASSERT_TRUE(get("/notice"));  // only result pages wait
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::milliseconds(300));

    server.set_page_delay(std::chrono::minutes(5));
    std::thread waiting([&] { get("/s?q=demo&p=0"); });
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    started = std::chrono::steady_clock::now();
    server.stop();
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(5));
    waiting.join();
    server.stop();  // a second stop does nothing
}

TEST(SimwebServerStart, ABusyPortIsReportedNotFatal) {
    Server first(sites_of_this_build());
    const int port = first.start(0);
    ASSERT_GT(port, 0);
    EXPECT_EQ(first.start(0), port);  // already serving

    Server second(sites_of_this_build());
    EXPECT_EQ(second.start(port), -1);
    second.stop();
    EXPECT_EQ(first.base(), "http://127.0.0.1:" + std::to_string(port));
    first.stop();
    EXPECT_EQ(first.start(0), -1);
}

}  // namespace
}  // namespace tumbrix::simweb
