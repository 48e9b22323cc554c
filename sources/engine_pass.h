#pragma once

namespace tumbrix {

// Engine page pass: one result page of the engine source in current_source.
// Called by the search loop while its running flag is set.
void engine_pass();

}  // namespace tumbrix
