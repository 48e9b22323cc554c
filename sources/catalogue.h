#pragma once
// The search routes and the URLs of their result pages. Each builder moves
// its route's page counter on by 10 before reading it, so every call gives the
// URL of the next page: build a URL exactly once per page requested.
//
//   source 1  "千脑"      the file-share portal's own search        (portal pass)
//   source 2  "115网盘"   Baidu, site:115 share host                 (engine pass)
//   source 3  "纳米盘"    Baidu, site:Namipan                        (engine pass)
//   source 4  "讯6"       Google HK in the browser box, site:Xun6    (engine pass)
//   source 5  "rayfile"   Baidu, site:RayFile                        (engine pass)
//   source 6  "新浪爱问"  Sina iAsk's own search, raw GBK keyword    (engine pass)
//   source 7  "hotfile"   Google HK in the browser box, site:Hotfile (engine pass)
//   BT mode               Baidu restricted with si= to the BT site   (BT pass)
#include <cstdint>

#include "text/text.h"

namespace tumbrix {

int32_t next_engine_offset();
int32_t next_portal_offset();
int32_t next_bt_offset();

// The next page of the engine source in current_source (2 to 7); for any
// other source the empty text, and the counter stays where it is.
Text build_engine_url();
Text build_portal_url();
Text build_bt_url();

// Whether the engine source reads its pages through the browser box.
bool is_browser_source(int32_t source);

}  // namespace tumbrix
