#include "sources/bt_state.h"

namespace tumbrix {
namespace {
BtPageState g_bt;
}

BtPageState& bt_page_state() {
    return g_bt;
}

void reset_bt_page_state() {
    g_bt.bt_page_bytes.clear();
    g_bt.bt_page_text.clear();
    g_bt.bt_count_text.clear();
    g_bt.bt_rows_per_pass = 0;
    g_bt.bt_hit_count = 0;
    g_bt.iteration_row = -1;
}

}  // namespace tumbrix
