// A stop click while a page is awaited: the simulated web holds its result
// pages back, and the click comes once it has received the request it holds.
#include "e2e_fixture.h"

namespace tumbrix::testing {
namespace {

using namespace std::chrono_literals;

TEST_F(EndToEnd, StopWhileAPageIsAwaitedKeepsThatPageAndAsksForNoOther) {
    struct Case {
        Route route;
        Text keyword;
        int stop_at_request;  // the click comes while this request is held back
    };
    const Case cases[] = {
        {route_of(simweb::Source::s115), "网盘 资料", 2},  // over HTTP
        {route_of(simweb::Source::xun6), "网盘 资料", 2},  // through the browser box
        {route_of(simweb::Source::portal), "网盘 资料", 2},
        {route_of(simweb::Source::bt), "网盘 资料", 2},
        {route_of(simweb::Source::bt), "nothing", 3},  // no hit count: on until stopped
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.route.name << " / " << c.keyword);
        TearDown();
        SetUp();
        const WholeSearch whole = whole_search(c.route.source, c.keyword);
        choose(c.route);
        type_keyword(c.keyword);
        simulated_web().set_page_delay(400ms);

        bool stopped = false;
        int rows_at_stop = -1;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            if (stopped || searches_arrived() < c.stop_at_request) return;
            stopped = true;
            rows_at_stop = list_row_count();
            click_start();
            expect_idle_look();  // at once, while the page is still awaited
            EXPECT_EQ(status(), "状态：");
            EXPECT_EQ(list_row_count(), rows_at_stop);
        });
        poll.start(2);
        click_start_and_wait_for_the_end();
        poll.stop();
        ASSERT_TRUE(stopped);

        // The awaited page was still read; nothing was asked for after it.
        const size_t pages = static_cast<size_t>(c.stop_at_request);
        const size_t listed = std::min(whole.rows.size(), pages * 10);
        EXPECT_EQ(rows_at_stop, static_cast<int>(std::min(whole.rows.size(), (pages - 1) * 10)));
        EXPECT_EQ(listed_rows(c.route),
                  std::vector<simweb::ServedRow>(whole.rows.begin(), whole.rows.begin() + listed));
        expect_idle_look();
        EXPECT_EQ(status(), "状态：");
        wait_in_event_loop(300);
        std::vector<int32_t> offsets;
        for (size_t p = 0; p < pages; ++p) offsets.push_back(static_cast<int32_t>(p) * 10);
        EXPECT_EQ(logged_offsets(c.route, c.keyword), offsets);
        EXPECT_EQ(searches_arrived(), c.stop_at_request);

        if (whole.hits == 0) continue;
        // The next search starts again on the first page and runs to its end.
        simulated_web().set_page_delay({});
        simulated_web().clear_log();
        click_start_and_wait_for_the_end();
        EXPECT_EQ(listed_rows(c.route), whole.rows);
        EXPECT_EQ(logged_offsets(c.route, c.keyword), whole.offsets);
    }
}

}  // namespace
}  // namespace tumbrix::testing
