#pragma once

namespace tumbrix {

// Engine page pass: one result page of the engine source in current_source.
// Called by the search loop while engine_running is set. A search whose
// fetches bring nothing three passes in a row ends here.
void engine_pass();

// Fetches the next page of current_source into the engine page state: over
// HTTP (sources 2, 3, 5, 6) or through the browser box (4, 7). Returns false
// when nothing at all arrived.
bool fetch_engine_page();

}  // namespace tumbrix
