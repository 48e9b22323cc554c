#pragma once
// The portal pass over a page it already holds: ten iterations of three steps,
// each step searching the page with its own pattern. The fetch is in
// portal_pass.
#include "text/text.h"

namespace tumbrix {

// Keeps a fetched page as portal_page_bytes, converted from UTF-8 as
// portal_page_text, and cleaned as portal_clean_text.
void store_portal_page(Bytes page);

// The rest of a pass once the page is stored. A fetch that brought nothing
// adds no row and lets the next pass try the next page, until three in a row
// end the search. Otherwise iterations 1 to 10 each call add_portal_row,
// set_portal_size and set_portal_link; a step that ends the search does not
// stop the remaining ones.
void search_portal_page();

// Iteration loop_counter. A step whose pattern falls short of its count ends
// the search ("状态：已经搜索完毕！", idle look; nothing when the user has
// stopped it meanwhile) and writes nothing.
//   add_portal_row   ten or more descriptions in portal_clean_text: appends a
//                    row with description number loop_counter in column 0
//   set_portal_size  ten or more sizes in portal_page_text: column 1
//   set_portal_link  exactly ten links in portal_page_text: column 2
// The size and the link go only into the row this iteration appended.
void add_portal_row();
void set_portal_size();
void set_portal_link();

}  // namespace tumbrix
