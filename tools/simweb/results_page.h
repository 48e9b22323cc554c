#pragma once
// Result pages of the simulated search routes, written to the markup each
// route's reader in Tumbrix looks for: its hit-count text, its title, size and
// link patterns, the "咨询热线：" segments of Baidu pages (the rows stand in
// segment 2), the cached-copy links Tumbrix removes and each site's title
// suffixes. A page carries the rows it declares, as Tumbrix should list them.
#include <cstdint>
#include <string>
#include <vector>

#include "text/text.h"
#include "tools/simweb/search_query.h"
#include "tools/simweb/sites.h"

namespace tumbrix::simweb {

// One result as Tumbrix lists it (GBK): column 0, column 1 (the size; for
// Hotfile the snippet, for BT empty) and the link it opens.
struct ServedRow {
    Text title;
    Text size;
    Text link;

    bool operator==(const ServedRow&) const = default;
};

struct ServedPage {
    std::string body;  // the bytes as served: GBK, or UTF-8 for the portal and Google
    std::string content_type;
    int32_t hits = 0;             // the hit count the page reports (0: nothing found)
    std::vector<ServedRow> rows;  // the results on this page, in page order
};

ServedPage results_page(const SearchQuery& query, const Sites& sites);

// The writers of the four kinds of page, used by results_page.
ServedPage baidu_page(const SearchQuery& query, const Sites& sites);
ServedPage google_page(const SearchQuery& query, const Sites& sites);
ServedPage sina_page(const SearchQuery& query, const Sites& sites);
ServedPage portal_page(const SearchQuery& query, const Sites& sites);

// The results [query.first, query.first + 10) that exist for the keyword.
std::vector<Item> page_items(const SearchQuery& query, int32_t hits);

}  // namespace tumbrix::simweb
