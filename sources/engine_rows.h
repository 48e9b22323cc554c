#pragma once
// The rows of an engine page. Each row iteration of a pass calls the three
// steps in order; together they turn result number loop_counter of the page
// into one row: title in column 0, size in column 1, link in column 2. A step
// accepts the page only when its pattern matches exactly
// engine_rows_per_pass times.

namespace tumbrix {

// Everything of a pass after the fetch, over the stored page: the
// nothing-found test, the hit count and the row iterations.
void read_engine_page();

// Appends a row with the title; ends the search once the list holds as many
// rows as the page reports hits.
void add_title_row();
// Writes the link into the row this iteration's title step appended; a page
// whose link count is not the expected one ends the search.
void set_row_link();
// Writes the size, or "不详", into the row this iteration's title step appended.
void set_row_size();

}  // namespace tumbrix
