#pragma once
// A whole search as a user runs it: the real window, a route picked with its
// buttons, a keyword typed into the search box, a click on 开始搜索; then
// what the window lists and what the simulated web was asked for.
#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QLabel>
#include <string>
#include <vector>

#include "simulated_web.h"
#include "tests/app/window_fixture.h"

namespace tumbrix::testing {

// A search route and the buttons that choose it.
struct Route {
    const char* name;  // ASCII, for failure messages
    simweb::Source source;
    int mode_button;    // 工具条1: 0 cloud-disk search, 1 BT search
    int source_button;  // 工具条2; -1 in BT mode
};

inline const Route kRoutes[] = {
    {"qiannao (portal)", simweb::Source::portal, 0, 5},
    {"115", simweb::Source::s115, 0, 1},
    {"namipan", simweb::Source::namipan, 0, 2},
    {"xun6 (browser)", simweb::Source::xun6, 0, 0},
    {"rayfile", simweb::Source::rayfile, 0, 4},
    {"sina", simweb::Source::sina, 0, 3},
    {"hotfile (hidden button, browser)", simweb::Source::hotfile, 0, 6},
    {"BT", simweb::Source::bt, 1, -1},
};

inline const Route& route_of(simweb::Source source) {
    for (const Route& route : kRoutes)
        if (route.source == source) return route;
    return kRoutes[0];
}

class EndToEnd : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        simulated_web().set_page_delay({});
        simulated_web().clear_log();
        reset_searches_arrived();
    }
    void TearDown() override {
        simulated_web().set_page_delay({});
        WindowTest::TearDown();
    }

    // Chooses the route with its buttons; the hidden hotfile button is
    // clicked the way its click signal fires, since no pointer can reach it.
    void choose(const Route& route) {
        click_mode(route.mode_button);
        if (route.source_button == 6) {
            source_bar()->button(6)->click();
        } else if (route.source_button >= 0) {
            click_source(route.source_button);
        }
        messages.clear();  // 新浪爱问's hint
    }

    // Empties the search box with a click and types the keyword (GBK): ASCII
    // on the keys, Chinese characters committed by an input method.
    void type_keyword(const Text& keyword) {
        click(search_box());
        for (const QChar c : to_qstring(keyword)) {
            if (c.unicode() < 0x80) {
                QTest::keyClick(search_box(), c.toLatin1());
            } else {
                QInputMethodEvent commit;
                commit.setCommitString(QString(c));
                QCoreApplication::sendEvent(search_box(), &commit);
            }
        }
        ASSERT_EQ(control_text(Control::搜索框), keyword);
    }

    // Clicks 开始搜索; the search loop runs inside the click, so the click
    // returns when the search has ended. A search still running after
    // `limit_ms` is a failure; it is stopped so that the test can end.
    void click_start_and_wait_for_the_end(int limit_ms = 120'000) {
        bool returned = false;
        QTimer watchdog;
        watchdog.setSingleShot(true);
        QObject::connect(&watchdog, &QTimer::timeout, [&] {
            if (returned) return;
            ADD_FAILURE() << "the search did not end within " << limit_ms << " ms";
            click_start();
        });
        watchdog.start(limit_ms);
        click_start();
        returned = true;
    }

    Text status() const { return to_text(find<QLabel>(u"状态条1.0")->text()); }

    // The listed rows in the layout of the simulated web's rows; BT rows have
    // no size column.
    std::vector<simweb::ServedRow> listed_rows(const Route& route) const {
        std::vector<simweb::ServedRow> rows;
        const bool bt = route.source == simweb::Source::bt;
        for (int r = 0; r < list_row_count(); ++r) {
            if (bt)
                rows.push_back({list_cell_text(r, 0), {}, list_cell_text(r, 1)});
            else
                rows.push_back({list_cell_text(r, 0), list_cell_text(r, 1), list_cell_text(r, 2)});
        }
        return rows;
    }

    // The offsets of the searches logged so far, each checked against the
    // route and keyword it was meant for.
    std::vector<int32_t> logged_offsets(const Route& route, const Text& keyword) const {
        std::vector<int32_t> offsets;
        for (const LoggedSearch& s : logged_searches()) {
            EXPECT_EQ(s.query.source, route.source);
            EXPECT_EQ(s.query.keyword, keyword);
            offsets.push_back(s.query.first);
        }
        return offsets;
    }
};

// What a whole search on the simulated web should come to, worked out from
// the pages it serves: the pages requested, first to last, and the rows listed.
struct WholeSearch {
    int32_t hits = 0;
    std::vector<int32_t> offsets;
    std::vector<simweb::ServedRow> rows;
    bool ended_by_row_count = false;  // the list reached the hit count
};
WholeSearch whole_search(simweb::Source source, const Text& keyword);

}  // namespace tumbrix::testing
