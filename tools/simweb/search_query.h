#pragma once
// Which search a request asks for. The routes share one host, so they are
// told apart by path and query, the way Tumbrix builds its query URLs:
//   /s?wd=site%3A%28<domain>%29<keyword>&pn=N...   Baidu, sources 2, 3, 5
//   /s?wd=<keyword>&pn=N...&si=<BT domain>          Baidu, BT mode
//   /s?q=<keyword>&p=N                             the portal (source 1)
//   /search?q=%22<keyword>%22+site:<domain>&start=N Google, sources 4, 7
//   /search.php?key=<raw GBK keyword>...&page=P    Sina (source 6)
// Baidu and the portal both use /s: "wd" makes it Baidu, "q" the portal.
#include <cstdint>
#include <map>
#include <string>
#include <string_view>

#include "text/text.h"
#include "tools/simweb/catalogue.h"
#include "tools/simweb/sites.h"

namespace tumbrix::simweb {

// Query parameters with their values percent-decoded ("+" as a space).
using QueryParams = std::multimap<std::string, std::string>;

struct SearchQuery {
    Source source = Source::portal;
    Text keyword;       // GBK, whatever the route's encoding
    int32_t first = 0;  // index of the page's first result
};

struct ParsedQuery {
    enum class Verdict { search, bad_request, not_a_search };
    Verdict verdict = Verdict::not_a_search;
    SearchQuery query;
    std::string reason;  // why a request is bad, for the reply and the log
};

ParsedQuery parse_search(std::string_view path, const QueryParams& params, const Sites& sites);

}  // namespace tumbrix::simweb
