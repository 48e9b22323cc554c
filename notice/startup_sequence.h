#pragma once

namespace tumbrix {

// Runs once per program start on the start-up thread: fetches the notice
// page, writes the settings file, caches the picture adverts, may offer an
// update and starts the advert timers. Touches widgets only through the
// control operations.
void run_startup_sequence();

}  // namespace tumbrix
