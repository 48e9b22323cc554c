#pragma once

namespace tumbrix {

// Portal page pass: one result page of the file-share portal.
// Called by the search loop while its running flag is set.
void portal_pass();

}  // namespace tumbrix
