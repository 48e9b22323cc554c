#pragma once
// The BT pass over a page it already holds: the hit count and the two row
// steps of each iteration. The fetch itself is fetch_bt_page (bt_pass.h).
#include <cstdint>

#include "text/text.h"

namespace tumbrix {

// Keeps a fetched page as bt_page_bytes, as bt_page_text (up to the first NUL,
// no conversion) and split at every "咨询热线：" into page_segments.
void store_bt_page(Bytes page);

// The rest of a pass once the page is stored: three empty fetches in a row end
// the search; otherwise the hit count h is read and min(h, 10) iterations run,
// each calling add_bt_title_row and set_bt_row_link. An ending inside an
// iteration does not stop the remaining ones.
void search_bt_page();

// The number after "找到相关结果" in bt_page_text ("," and "约" removed); 0
// when the page has none. The cleaned capture is left in bt_count_text.
int32_t read_bt_hit_count();

// Iteration loop_counter: appends a row with the title of that result when
// segment 2 holds exactly bt_rows_per_pass titles, and ends the search with
// the message "搜索完毕！" when the list reaches the hit count.
void add_bt_title_row();
// Iteration loop_counter: writes the link into the row this iteration's title
// step appended (none: nothing), or ends the search when segment 2 does not
// hold exactly bt_rows_per_pass links.
void set_bt_row_link();

}  // namespace tumbrix
