#include "app/program_values.h"

#include "sources/engine_page.h"
#include "sources/match_memo.h"
#include "sources/search_state.h"

namespace tumbrix {

// TODO(lead): create bt_pattern here, and destroy it in release_process_values,
// once the BT pass declares it.
void prepare_process_values() {
    reset_search_state();
    reset_shared_page_state();
    reset_engine_page_state();
    clear_match_memo();
}

void release_process_values() {
    reset_shared_page_state();
    reset_engine_page_state();
    clear_match_memo();
}

}  // namespace tumbrix
