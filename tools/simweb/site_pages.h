#pragma once
// The simulated web's other pages: the start-up notice with its settings
// piece, the advert pages, the pages links lead to and an index. `base` is
// the address the simulated web is reached at ("http://127.0.0.1:18080").
#include <string>
#include <string_view>
#include <vector>

#include "tools/simweb/sites.h"

namespace tumbrix::simweb {

// The notice page (GBK), a blog post whose settings piece, between two
// "qwe", carries three text adverts, two picture adverts (pictures at
// /ad/pic1.png and /ad/pic2.png), the web advert page, the popup page and
// an update entry.
std::string notice_page(const std::string& base);
// The settings lines that notice carries, in order (GBK).
std::vector<std::string> notice_settings_lines(const std::string& base);

// UTF-8 pages.
std::string web_advert_page();  // shows the time it was loaded, so each reload shows
std::string popup_page();
std::string landing_page(std::string_view what,
                         std::string_view path);  // advert targets, share links
std::string index_page(const Sites& sites);       // every route, with "demo" as the keyword

}  // namespace tumbrix::simweb
