#pragma once

namespace tumbrix {

// Portal page pass: one result page of the file-share portal. Handles the
// window's pending events first, then fetches the next page and fills its rows.
// Called by the search loop while its running flag is set.
void portal_pass();

}  // namespace tumbrix
