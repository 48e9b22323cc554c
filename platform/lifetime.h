#pragma once
// The program's end. Closing the main window requests shutdown; every wait
// that handles events (web requests, page loads, search loops) ends promptly
// once it is requested, so no nested loop keeps the program alive.
#include <stop_token>

namespace tumbrix {

void request_shutdown();
bool shutdown_requested();
void reset_shutdown_for_tests();

// Stopped when shutdown is requested. A wait that sleeps registers a
// std::stop_callback on it that wakes the wait.
std::stop_token shutdown_token();

}  // namespace tumbrix
