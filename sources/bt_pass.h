#pragma once

namespace tumbrix {

// BT page pass: one result page of the BT site.
// Called by the search loop while its running flag is set.
void bt_pass();

}  // namespace tumbrix
