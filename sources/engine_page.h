#pragma once
// The engine page under way: its text, the hit count it reports and the
// number of rows a pass reads from it. Owned by the engine pass; GUI thread
// only. The page split at "咨询热线：" lives in SharedPageState::page_segments.
#include <cstdint>

#include "text/pattern.h"
#include "text/text.h"

namespace tumbrix {

struct EnginePageState {
    Text page_text;
    int32_t engine_hit_count = 0;
    int32_t engine_rows_per_pass = 0;  // min(hit count, 10)
    // Recompiled by each step before it searches.
    regex engine_pattern;
    // The row the title step of the current iteration appended, -1 when it
    // appended none: the link and size steps write into this row only.
    int32_t title_row = -1;
};

EnginePageState& engine_page_state();
void reset_engine_page_state();

// A page that came over HTTP: the text up to the first zero byte, without the
// engine's cached-copy links (ignoring case), split into page_segments.
void store_http_page(const Bytes& body);
// A page read through the browser box: stored as it is; page_segments stay.
void store_browser_page(const Text& markup);

// False only for the engine's nothing-found page: its first "找不到" is
// followed directly by "和您的" and then "查询". An empty page has results.
bool page_has_results();

// The hit count the page reports for current_source, 0 when none is found.
int32_t read_hit_count();

// Ends the engine search: the status text, then the idle look.
void finish_engine_search(const Text& status);

}  // namespace tumbrix
