#include "sources/bt_steps.h"

#include <tumbrix/endpoints.h>

#include <utility>
#include <vector>

#include "platform/controls.h"
#include "sources/bt_state.h"
#include "sources/failed_fetches.h"
#include "sources/search_state.h"

namespace tumbrix {
namespace {

constexpr int32_t kMaxRowsPerPass = 10;

// The results stand between the first and the second "咨询热线：". A page
// without that stretch is searched as the empty text, never as another part.
const Text& segment_2() {
    static const Text none;
    const TextList& segments = shared_page_state().page_segments;
    return segments.size() >= 2 ? segments[1] : none;
}

bool count_is(const std::vector<SearchResult>& matches, int32_t expected) {
    return static_cast<int64_t>(matches.size()) == expected;
}

// Group 1 of match n (1-based), cut from the searched text.
Text group_1_of_match(const std::vector<SearchResult>& matches, int32_t n, const Text& searched) {
    if (n < 1 || static_cast<size_t>(n) > matches.size()) return {};
    return matches[static_cast<size_t>(n) - 1].submatch_text(searched, 1);
}

}  // namespace

void store_bt_page(Bytes page) {
    BtPageState& bt = bt_page_state();
    bt.bt_page_bytes = std::move(page);
    bt.bt_page_text = bytes_to_text(bt.bt_page_bytes);
    shared_page_state().page_segments = text_split(bt.bt_page_text, "咨询热线：");
}

void search_bt_page() {
    BtPageState& bt = bt_page_state();
    // A search stopped while the page was awaited keeps the stop's status.
    if (search_state().bt_running &&
        too_many_failed_fetches(SearchKind::bt, bt.bt_page_bytes.empty())) {
        end_search_after_failed_fetches(SearchKind::bt);
        return;
    }
    const int32_t hits = read_bt_hit_count();
    bt.bt_rows_per_pass = hits >= kMaxRowsPerPass ? kMaxRowsPerPass : hits;
    bt.bt_hit_count = hits;
    const int32_t rows = bt.bt_rows_per_pass;
    for (int32_t n = 1; n <= rows; ++n) {
        search_state().loop_counter = n;
        add_bt_title_row();
        set_bt_row_link();
    }
}

int32_t read_bt_hit_count() {
    BtPageState& bt = bt_page_state();
    bt.bt_pattern.create("找到相关结果(.*?)个");
    const Text capture = bt.bt_pattern.search(bt.bt_page_text, 1).submatch_text(bt.bt_page_text, 1);
    bt.bt_count_text = text_replace(text_replace(capture, ",", ""), "约", "");
    return text_to_int(bt.bt_count_text);
}

void add_bt_title_row() {
    BtPageState& bt = bt_page_state();
    bt.iteration_row = -1;
    const Text& searched = segment_2();
    bt.bt_pattern.create("target=\"_blank\">(.*?)</a></h3>");
    const auto matches = bt.bt_pattern.search_all(searched);
    if (!count_is(matches, bt.bt_rows_per_pass)) return;

    SharedPageState& shared = shared_page_state();
    shared.row_index = list_insert_row();
    bt.iteration_row = shared.row_index;
    Text title = group_1_of_match(matches, search_state().loop_counter, searched);
    title = text_replace(title, "<em>", "", 1, -1, false);
    title = text_replace(title, "</em>", "", 1, -1, false);
    list_set_cell(shared.row_index, 0, title);

    if (list_row_count() == bt.bt_hit_count) {
        // The flag and the caption change before the box; the look after it.
        search_state().bt_running = false;
        set_control_text(Control::按钮1, "开始搜索");
        show_message("搜索完毕！", 0);
        set_control_visible(Control::图片框1, false);
        set_control_enabled(Control::搜索框, true);
    }
}

void set_bt_row_link() {
    BtPageState& bt = bt_page_state();
    const Text& searched = segment_2();
    bt.bt_pattern.create(Text("href=\"") + endpoints::kLinkBt + "(.*?)\" target=\"_blank\">");
    const auto matches = bt.bt_pattern.search_all(searched);
    if (count_is(matches, bt.bt_rows_per_pass)) {
        if (bt.iteration_row < 0) return;
        list_set_cell(
            bt.iteration_row, 1,
            endpoints::kLinkBt + group_1_of_match(matches, search_state().loop_counter, searched));
        return;
    }
    status_set_text(0, "状态：已经搜索完毕！");
    set_control_text(Control::按钮1, "开始搜索");
    search_state().bt_running = false;
    set_control_visible(Control::图片框1, false);
    set_control_enabled(Control::搜索框, true);
}

}  // namespace tumbrix
