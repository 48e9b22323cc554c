#pragma once
// The BT pass's page values: the last page as fetched and as text, the hit
// count it reports and the pattern object the steps compile into. GUI thread
// only. The split page itself lives in the shared page_segments.
#include <cstdint>

#include "text/pattern.h"
#include "text/text.h"

namespace tumbrix {

struct BtPageState {
    Bytes bt_page_bytes;
    Text bt_page_text;  // bt_page_bytes up to the first NUL, no conversion
    // One object for the whole BT mode; every step compiles its own pattern
    // into it before searching, so it never carries anything over.
    regex bt_pattern;
    Text bt_count_text;  // the hit-count capture without "," and "约"
    int32_t bt_rows_per_pass = 0;
    int32_t bt_hit_count = 0;
    // The row the title step of the current iteration appended, -1 when it
    // appended none: the link step writes into this row only.
    int32_t iteration_row = -1;
};

BtPageState& bt_page_state();
void reset_bt_page_state();

}  // namespace tumbrix
