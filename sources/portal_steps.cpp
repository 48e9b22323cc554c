#include "sources/portal_steps.h"

#include <cstdint>
#include <utility>
#include <vector>

#include "platform/controls.h"
#include "sources/failed_fetches.h"
#include "sources/portal_state.h"
#include "sources/search_state.h"
#include "text/pattern.h"
#include "web/keyword_encoding.h"

namespace tumbrix {
namespace {

constexpr int32_t kRowsPerPage = 10;

struct Step {
    const char* pattern;
    bool exactly;  // the count must be exactly ten, not ten or more
};

// Searches `searched` with the step's own pattern object. Returns false when
// the count falls short; otherwise `cell` is group 1 of match loop_counter.
bool run_step(const Step& step, const Text& searched, Text& cell) {
    regex pattern;
    pattern.create(step.pattern);
    const std::vector<SearchResult> matches = pattern.search_all(searched);
    const auto count = static_cast<int64_t>(matches.size());
    if (step.exactly ? count != kRowsPerPage : count < kRowsPerPage) return false;
    const int32_t n = search_state().loop_counter;
    cell = n >= 1 && n <= count ? matches[static_cast<size_t>(n) - 1].submatch_text(searched, 1)
                                : Text();
    return true;
}

// The results have run out: the search ends and shows it. A search the user
// stopped while the page was awaited has ended already and keeps the stop's look.
void finish_portal_search() {
    if (!search_state().portal_running) return;
    search_state().portal_running = false;
    status_set_text(0, "状态：已经搜索完毕！");
    set_control_text(Control::按钮1, "开始搜索");
    set_control_enabled(Control::搜索框, true);
    set_control_visible(Control::图片框1, false);
}

void fill_cell(const Step& step, const Text& searched, int column) {
    Text cell;
    if (!run_step(step, searched, cell)) {
        finish_portal_search();
        return;
    }
    const int row = portal_page_state().iteration_row;
    if (row >= 0) list_set_cell(row, column, cell);
}

}  // namespace

void store_portal_page(Bytes page) {
    PortalPageState& portal = portal_page_state();
    portal.portal_page_bytes = std::move(page);
    portal.portal_page_text = utf8_to_local_text(portal.portal_page_bytes);
    Text clean = portal.portal_page_text;
    clean = text_replace(clean, "<b>", "", 1, -1, false);
    clean = text_replace(clean, "</b>", "", 1, -1, false);
    clean = text_replace(clean, "\r\n", "", 1, -1, false);
    clean = text_replace(clean, "此资源暂无描述。", "", 1, -1, false);
    portal.portal_clean_text = std::move(clean);
}

void search_portal_page() {
    const bool fetched_nothing = portal_page_state().portal_page_bytes.empty();
    // A search stopped while the page was awaited keeps the stop's status.
    if (search_state().portal_running &&
        too_many_failed_fetches(SearchKind::portal, fetched_nothing)) {
        end_search_after_failed_fetches(SearchKind::portal);
        return;
    }
    // Not the end of the results, only a page that did not arrive.
    if (fetched_nothing) return;
    for (int32_t n = 1; n <= kRowsPerPage; ++n) {
        search_state().loop_counter = n;
        add_portal_row();
        set_portal_size();
        set_portal_link();
    }
}

void add_portal_row() {
    static constexpr Step kDescription{"<div class=\"introtext\">(.*?)</div>", false};
    PortalPageState& portal = portal_page_state();
    portal.iteration_row = -1;
    Text cell;
    if (!run_step(kDescription, portal.portal_clean_text, cell)) {
        finish_portal_search();
        return;
    }
    SharedPageState& shared = shared_page_state();
    shared.row_index = list_insert_row();
    portal.iteration_row = shared.row_index;
    list_set_cell(shared.row_index, 0, cell);
}

void set_portal_size() {
    static constexpr Step kSize{"div>大小：(.*?)时间：", false};
    fill_cell(kSize, portal_page_state().portal_page_text, 1);
}

void set_portal_link() {
    static constexpr Step kLink{"<span><a href=\"(.*?)\" target='_blank' onclick=", true};
    fill_cell(kLink, portal_page_state().portal_page_text, 2);
}

}  // namespace tumbrix
