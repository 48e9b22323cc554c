#include "sources/search_state.h"

namespace tumbrix {
namespace {
SearchState g_search;
SharedPageState g_pages;
}  // namespace

SearchState& search_state() {
    return g_search;
}
void reset_search_state() {
    g_search = SearchState{};
}

SearchKind search_kind(int32_t search_mode, int32_t current_source) {
    if (search_mode == 2) return SearchKind::bt;
    return current_source == 1 ? SearchKind::portal : SearchKind::engine;
}

bool& running_flag(SearchKind kind) {
    switch (kind) {
        case SearchKind::portal:
            return g_search.portal_running;
        case SearchKind::engine:
            return g_search.engine_running;
        case SearchKind::bt:
            break;
    }
    return g_search.bt_running;
}

int32_t& page_counter(SearchKind kind) {
    switch (kind) {
        case SearchKind::portal:
            return g_search.portal_offset;
        case SearchKind::engine:
            return g_search.engine_offset;
        case SearchKind::bt:
            break;
    }
    return g_search.bt_offset;
}

SharedPageState& shared_page_state() {
    return g_pages;
}
void reset_shared_page_state() {
    g_pages = SharedPageState{};
}

}  // namespace tumbrix
