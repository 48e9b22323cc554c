#pragma once
// Reads a simulated result page the way Tumbrix reads that route's page, with
// the very pattern texts and removals Tumbrix uses, so that a test can hold
// what it reads against what the page declares it serves.
#include <cstdint>
#include <string>
#include <vector>

#include "text/text.h"
#include "tools/simweb/catalogue.h"
#include "tools/simweb/results_page.h"
#include "tools/simweb/sites.h"

namespace tumbrix::simweb::testing {

struct PageReading {
    bool nothing_found = false;  // the engines' nothing-found test fired
    int32_t hits = 0;            // from the route's hit-count text (0 without one)
    size_t segments = 0;         // pieces between "咨询热线：" (HTTP-fetched engine pages)
    size_t titles = 0, sizes = 0, links = 0;  // matches of each row pattern
    // Row n from match n of each pattern; filled only as far as all three agree.
    std::vector<ServedRow> rows;
};

// `body` as served. Google pages are read from their UTF-8 text, which is
// what the browser box hands over (the browser test holds the two equal).
// With keep_cached_links the Baidu cached-copy prefix is not removed first.
PageReading read_page(Source source, const std::string& body, const Sites& sites,
                      bool keep_cached_links = false);

}  // namespace tumbrix::simweb::testing
