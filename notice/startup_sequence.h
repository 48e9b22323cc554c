#pragma once
#include "text/text.h"

namespace tumbrix {

// Runs once per program start on the start-up thread: fetches the notice
// page, writes the settings file, caches the picture adverts, may offer an
// update and starts the advert timers. Touches widgets only through the
// control operations. The notice address is the build's; an empty one means
// no request and no adverts.
void run_startup_sequence();

// The same with the notice page at `notice_url`; tests use it to reach a page
// of their own. A name of its own keeps run_startup_sequence a single function
// that can be handed on as it is.
void run_startup_sequence_from(const Text& notice_url);

}  // namespace tumbrix
