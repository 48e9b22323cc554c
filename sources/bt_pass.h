#pragma once

namespace tumbrix {

// BT page pass: one result page of the BT site, searched through Baidu.
// Called by the search loop while its running flag is set.
void bt_pass();

// Builds the next page's URL (bt_offset moves on by 10), fetches it and
// stores it (store_bt_page).
void fetch_bt_page();

}  // namespace tumbrix
