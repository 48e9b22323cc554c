#include "sources/bt_pass.h"

#include "sources/search_state.h"

namespace tumbrix {

// Not built yet: the search ends at once.
void bt_pass() {
    search_state().bt_running = false;
}

}  // namespace tumbrix
