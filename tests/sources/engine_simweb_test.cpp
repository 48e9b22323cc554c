// The engine reader against the simulated web's result pages: every page the
// simulated web serves declares the rows it holds, and the reader must list
// exactly those. The two were written apart, each from the pages' markup.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sources/catalogue.h"
#include "sources/engine_page.h"
#include "sources/engine_rows.h"
#include "sources/match_memo.h"
#include "sources/search_state.h"
#include "support/fake_controls.h"
#include "tools/simweb/results_page.h"
#include "web/keyword_encoding.h"

namespace tumbrix {
namespace {

class EngineOnSimulatedPages : public ::testing::Test {
  protected:
    void start_search(int source) {
        controls.list_clear();
        reset_search_state();
        reset_shared_page_state();
        reset_engine_page_state();
        clear_match_memo();
        search_state().search_mode = 1;
        search_state().current_source = source;
        search_state().engine_running = true;
        controls.status = "状态：";
    }

    // The page as the pass stores it: Google's UTF-8 page as the browser box
    // hands it over (GBK), the others as the HTTP body.
    simweb::ServedPage read_served_page(int source, const Text& keyword, int32_t first) {
        const simweb::ServedPage page = simweb::results_page(
            {static_cast<simweb::Source>(source), keyword, first}, simweb::sites_of_this_build());
        if (is_browser_source(source))
            store_browser_page(utf8_to_local_text(page.body));
        else
            store_http_page(page.body);
        read_engine_page();
        return page;
    }

    std::vector<simweb::ServedRow> listed_rows() const {
        std::vector<simweb::ServedRow> rows;
        for (const auto& r : controls.rows) rows.push_back({r.at(0), r.at(1), r.at(2)});
        return rows;
    }

    testing::FakeControls controls;
};

TEST_F(EngineOnSimulatedPages, EverySourceListsWhatThePagesServeUntilTheyRunOut) {
    for (int source : {2, 3, 4, 5, 6, 7}) {
        SCOPED_TRACE(source);
        start_search(source);
        std::vector<simweb::ServedRow> served;
        for (int32_t first : {0, 10, 20}) {
            EXPECT_TRUE(search_state().engine_running);
            const simweb::ServedPage page = read_served_page(source, "demo hits24", first);
            served.insert(served.end(), page.rows.begin(), page.rows.end());
        }
        ASSERT_EQ(served.size(), 24u);
        EXPECT_EQ(listed_rows().size(), 20u);  // the short last page is not listed
        served.resize(20);
        EXPECT_EQ(listed_rows(), served);
        EXPECT_FALSE(search_state().engine_running);
        EXPECT_EQ(controls.status, "状态：已经搜索完毕！");
    }
}

TEST_F(EngineOnSimulatedPages, EverySourceRecognisesTheNothingFoundPage) {
    for (int source : {2, 3, 4, 5, 6, 7}) {
        SCOPED_TRACE(source);
        start_search(source);
        read_served_page(source, "nothing", 0);
        EXPECT_TRUE(controls.rows.empty());
        EXPECT_FALSE(search_state().engine_running);
        EXPECT_EQ(controls.status, "状态：没有搜索到相关的信息！！");
    }
}

}  // namespace
}  // namespace tumbrix
