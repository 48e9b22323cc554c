#include "app/program_values.h"

#include "sources/search_state.h"

namespace tumbrix {

// TODO(lead): create engine_pattern and bt_pattern here, and destroy them in
// release_process_values, once the engine and BT passes declare them.
void prepare_process_values() {
    reset_search_state();
    reset_shared_page_state();
}

void release_process_values() {
    reset_shared_page_state();
}

}  // namespace tumbrix
