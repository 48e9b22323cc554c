// Every route from the click to the end of its search: the rows the window
// lists are the rows the simulated web served, in order, and the simulated
// web saw the pages asked for one after another from offset 0.
#include "e2e_fixture.h"

namespace tumbrix::testing {
namespace {

class WholeSearches : public EndToEnd {
  protected:
    void search_to_the_end(const Route& route, const Text& keyword) {
        const WholeSearch expected = whole_search(route.source, keyword);
        choose(route);
        type_keyword(keyword);
        click_start_and_wait_for_the_end();

        expect_idle_look();
        EXPECT_EQ(listed_rows(route), expected.rows);
        EXPECT_EQ(logged_offsets(route, keyword), expected.offsets);

        const bool nothing_found = expected.hits == 0 && route.source != simweb::Source::portal;
        const bool bt_by_row_count =
            route.source == simweb::Source::bt && expected.ended_by_row_count;
        if (nothing_found) {
            EXPECT_EQ(status(), "状态：没有搜索到相关的信息！！");
        } else if (bt_by_row_count) {
            EXPECT_EQ(status(), "状态：");
        } else {
            EXPECT_EQ(status(), "状态：已经搜索完毕！");
        }
        std::vector<Text> shown;
        for (const MessageRequest& m : messages) shown.push_back(m.text);
        EXPECT_EQ(shown, bt_by_row_count ? std::vector<Text>{"搜索完毕！"} : std::vector<Text>{});

        // A double-click on a row opens the link it lists.
        if (!expected.rows.empty()) {
            const QRect first = results()->visualRect(results()->model()->index(0, 0));
            QTest::mouseClick(results()->viewport(), Qt::LeftButton, {}, first.center());
            QTest::mouseDClick(results()->viewport(), Qt::LeftButton, {}, first.center());
            EXPECT_EQ(opened, std::vector<Text>{expected.rows[0].link});
        }

        // Each page after the first brings back the cookie the first one set.
        const std::vector<LoggedSearch> searches = logged_searches();
        for (size_t i = 1; i < searches.size(); ++i)
            EXPECT_TRUE(searches[i].cookie_returned) << "page " << i + 1;
    }
};

// A keyword in Chinese with a space: percent-encoded as UTF-8 on the engine
// routes, raw GBK on 新浪爱问; its hit count runs out on a short last page.
TEST_F(WholeSearches, EveryRouteListsWhatWasServedUntilTheShortLastPage) {
    const Text keyword = "网盘 资料";
    for (const Route& route : kRoutes) {
        SCOPED_TRACE(route.name);
        const WholeSearch expected = whole_search(route.source, keyword);
        ASSERT_NE(expected.hits % 10, 0) << "the keyword should end on a short page";
        ASSERT_GE(expected.hits, 10);
        TearDown();
        SetUp();
        search_to_the_end(route, keyword);
    }
}

// Twenty hits: two full pages. The engines and BT end when the list holds
// every hit (BT with its message); the portal asks for one more page.
TEST_F(WholeSearches, EveryRouteEndsWhenTheHitsAreListed) {
    for (const Route& route : kRoutes) {
        SCOPED_TRACE(route.name);
        TearDown();
        SetUp();
        search_to_the_end(route, "demo hits20");
    }
}

// Seven hits: a pass reads seven rows, not ten.
TEST_F(WholeSearches, FewerHitsThanAPageAreListedFromTheFirstPage) {
    for (const Route& route : kRoutes) {
        if (route.source == simweb::Source::portal) continue;  // it lists full pages only
        SCOPED_TRACE(route.name);
        TearDown();
        SetUp();
        search_to_the_end(route, "hits7");
    }
}

TEST_F(WholeSearches, NothingFoundEndsAfterTheFirstPage) {
    // BT has no nothing-found test: its search goes on until stopped (the stop
    // tests run one).
    for (const Route& route : kRoutes) {
        if (route.source == simweb::Source::bt) continue;
        SCOPED_TRACE(route.name);
        TearDown();
        SetUp();
        search_to_the_end(route, "nothing");
        EXPECT_EQ(list_row_count(), 0);
    }
}

}  // namespace
}  // namespace tumbrix::testing
