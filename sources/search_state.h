#pragma once
// The search state: which mode and source are chosen, which kind of search
// runs, and each kind's page counter. Owned by the search control (app/), read
// and cleared by the page passes. GUI thread only.
#include <cstdint>

#include "text/text.h"

namespace tumbrix {

enum class SearchKind { portal, engine, bt };

struct SearchState {
    int32_t search_mode = 0;     // 1 cloud-disk search, 2 BT search
    int32_t current_source = 0;  // 1..7, cloud-disk mode only
    bool portal_running = false;
    bool engine_running = false;
    bool bt_running = false;
    int32_t portal_offset = 0;
    int32_t engine_offset = 0;
    int32_t bt_offset = 0;
    int32_t loop_counter = 0;  // 1-based row iteration of the pass under way
};

SearchState& search_state();
void reset_search_state();

// The kind of search a click on the start button takes: the portal for source
// 1 in cloud-disk mode, the engine for any other source, BT in BT mode.
SearchKind search_kind(int32_t search_mode, int32_t current_source);
bool& running_flag(SearchKind kind);
int32_t& page_counter(SearchKind kind);

// Values the page passes share: the last HTTP page split at "咨询热线：" and
// the row the last title step appended (never reset between searches).
struct SharedPageState {
    TextList page_segments;
    int32_t row_index = 0;
};

SharedPageState& shared_page_state();
void reset_shared_page_state();

}  // namespace tumbrix
