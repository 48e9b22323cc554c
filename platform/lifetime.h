#pragma once
// The program's end. Closing the main window requests shutdown; every wait
// that handles events (web requests, page loads, search loops) ends promptly
// once it is requested, so no nested loop keeps the program alive.
namespace tumbrix {

void request_shutdown();
bool shutdown_requested();
void reset_shutdown_for_tests();

}  // namespace tumbrix
