#include "sources/engine_pass.h"

#include "sources/catalogue.h"
#include "sources/engine_page.h"
#include "sources/engine_rows.h"
#include "sources/failed_fetches.h"
#include "sources/search_state.h"
#include "web/browser_page.h"
#include "web/timed_web_request.h"

namespace tumbrix {

bool fetch_engine_page() {
    const int32_t source = search_state().current_source;
    const Text url = build_engine_url();
    if (is_browser_source(source)) {
        const Text markup = read_browser_page(url);
        store_browser_page(markup);
        return !markup.empty();
    }
    // A source switched to one without engine pages during the last wait
    // gives no URL: nothing to request.
    const Bytes body = url.empty() ? Bytes() : timed_web_request(url);
    store_http_page(body);
    return !body.empty();
}

void engine_pass() {
    const bool fetched = fetch_engine_page();
    // A search stopped while the page was awaited keeps the stop's status.
    if (search_state().engine_running && too_many_failed_fetches(SearchKind::engine, !fetched)) {
        end_search_after_failed_fetches(SearchKind::engine);
        return;
    }
    read_engine_page();
}

}  // namespace tumbrix
