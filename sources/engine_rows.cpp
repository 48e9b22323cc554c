#include "sources/engine_rows.h"

#include <string_view>

#include "platform/controls.h"
#include "sources/engine_page.h"
#include "sources/engine_sources.h"
#include "sources/match_memo.h"
#include "sources/search_state.h"

namespace tumbrix {
namespace {

constexpr int kTitleColumn = 0;
constexpr int kSizeColumn = 1;
constexpr int kLinkColumn = 2;

const EngineSource* current_engine_source() {
    return engine_source(search_state().current_source);
}

// The text the title and link steps search. A page without a second segment
// gives the empty text, so nothing past the segments is ever read.
std::string_view searched_text(const EngineSource& source) {
    if (!source.reads_segment_2) return engine_page_state().page_text;
    const TextList& segments = shared_page_state().page_segments;
    return segments.size() >= 2 ? std::string_view(segments[1]) : std::string_view();
}

// Group 1 of match loop_counter, or nothing when the page does not hold
// exactly engine_rows_per_pass matches.
bool take_match(regex& compiler, std::string_view pattern, std::string_view text, Text& group) {
    const EnginePageState& page = engine_page_state();
    const auto& matches = remembered_search_all(compiler, pattern, text);
    if (static_cast<int64_t>(matches.size()) != page.engine_rows_per_pass) return false;
    const int32_t i = search_state().loop_counter;
    if (i < 1 || i > page.engine_rows_per_pass) return false;
    group = matches[static_cast<size_t>(i - 1)].submatch_text(text, 1);
    return true;
}

}  // namespace

void read_engine_page() {
    if (!page_has_results()) {
        finish_engine_search("状态：没有搜索到相关的信息！！");
        return;
    }
    EnginePageState& page = engine_page_state();
    const int32_t hits = read_hit_count();
    page.engine_rows_per_pass = hits < 10 ? hits : 10;
    page.engine_hit_count = hits;
    page.title_row = -1;
    const int32_t rows = page.engine_rows_per_pass;
    for (int32_t i = 1; i <= rows; ++i) {
        search_state().loop_counter = i;
        add_title_row();
        set_row_link();
        set_row_size();
    }
}

void add_title_row() {
    EnginePageState& page = engine_page_state();
    page.title_row = -1;
    const EngineSource* source = current_engine_source();
    if (!source) return;
    Text title;
    if (!take_match(page.engine_pattern, source->title_pattern, searched_text(*source), title))
        return;
    const int row = list_insert_row();
    shared_page_state().row_index = row;
    page.title_row = row;
    for (const Removal& r : source->title_removals)
        title = text_replace(title, r.text, "", 1, -1, r.exact);
    list_set_cell(row, kTitleColumn, title);
    if (list_row_count() == page.engine_hit_count) finish_engine_search("状态：已经搜索完毕！");
}

void set_row_link() {
    EnginePageState& page = engine_page_state();
    const EngineSource* source = current_engine_source();
    if (!source) return;
    Text link;
    if (!take_match(page.engine_pattern, source->link_pattern, searched_text(*source), link)) {
        finish_engine_search("状态：已经搜索完毕！");
        return;
    }
    if (page.title_row >= 0) list_set_cell(page.title_row, kLinkColumn, source->link_prefix + link);
}

void set_row_size() {
    const EnginePageState& page = engine_page_state();
    const EngineSource* source = current_engine_source();
    if (!source || page.title_row < 0) return;
    regex size_pattern;
    Text size;
    if (take_match(size_pattern, source->size_pattern, page.page_text, size)) {
        for (const char* mark : {"<em>", "</em>", " |"})
            size = text_replace(size, mark, "", 1, -1, false);
    } else {
        size = "不详";
    }
    list_set_cell(page.title_row, kSizeColumn, size);
}

}  // namespace tumbrix
