#pragma once

namespace tumbrix {

// Handles every event waiting in the calling thread's queue, then returns.
// Window events, a button click included, run inside this call.
void process_pending_events();

}  // namespace tumbrix
