#include "app/program_values.h"

#include "sources/bt_state.h"
#include "sources/engine_page.h"
#include "sources/match_memo.h"
#include "sources/portal_state.h"
#include "sources/search_state.h"

namespace tumbrix {

// The page values of every pass start empty, each pattern object fresh; at the
// end they are released again, so nothing of a page outlives the program.
void prepare_process_values() {
    reset_search_state();
    reset_shared_page_state();
    reset_engine_page_state();
    reset_bt_page_state();
    reset_portal_page_state();
    clear_match_memo();
}

void release_process_values() {
    reset_shared_page_state();
    reset_engine_page_state();
    reset_bt_page_state();
    reset_portal_page_state();
    clear_match_memo();
}

}  // namespace tumbrix
