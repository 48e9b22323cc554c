#include "tools/simweb/results_page.h"

#include <algorithm>

namespace tumbrix::simweb {

ServedPage results_page(const SearchQuery& query, const Sites& sites) {
    switch (query.source) {
        case Source::portal:
            return portal_page(query, sites);
        case Source::xun6:
        case Source::hotfile:
            return google_page(query, sites);
        case Source::sina:
            return sina_page(query, sites);
        case Source::s115:
        case Source::namipan:
        case Source::rayfile:
        case Source::bt:
            break;
    }
    return baidu_page(query, sites);
}

std::vector<Item> page_items(const SearchQuery& query, int32_t hits) {
    std::vector<Item> items;
    const int64_t end = std::min<int64_t>(hits, int64_t{query.first} + kRowsPerPage);
    for (int64_t i = std::max(query.first, 0); i < end; ++i)
        items.push_back(item(query.keyword, query.source, static_cast<int32_t>(i)));
    return items;
}

}  // namespace tumbrix::simweb
