#include <algorithm>

#include "e2e_fixture.h"

namespace tumbrix::testing {

WholeSearch whole_search(simweb::Source source, const Text& keyword) {
    const simweb::Sites sites = served_sites();
    const bool portal = source == simweb::Source::portal;
    WholeSearch w;
    w.hits = simweb::hit_count(keyword, source);
    // A page is listed only when it holds the results a pass expects: ten on
    // the portal, min(hit count, 10) on the engines and BT. The short last
    // page lists nothing and ends the search.
    const size_t expected = portal ? 10 : static_cast<size_t>(std::min(w.hits, 10));
    for (int32_t first = 0; first <= simweb::kMaxHits; first += simweb::kRowsPerPage) {
        w.offsets.push_back(first);
        const simweb::ServedPage page = simweb::results_page({source, keyword, first}, sites);
        if (expected == 0 || page.rows.size() != expected) break;
        w.rows.insert(w.rows.end(), page.rows.begin(), page.rows.end());
        if (!portal && static_cast<int32_t>(w.rows.size()) == w.hits) {
            w.ended_by_row_count = true;
            break;
        }
    }
    return w;
}

}  // namespace tumbrix::testing
