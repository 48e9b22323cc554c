#pragma once
// The simulated web of the whole run: started in-process on a free port
// before the application object, so that Chromium can be told where Google
// is; every default host of this build leads to it.
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "tools/simweb/results_page.h"
#include "tools/simweb/search_query.h"
#include "tools/simweb/server.h"

namespace tumbrix::simweb {

// A row as GoogleTest shows it in a failure: its cells in UTF-8.
void PrintTo(const ServedRow& row, std::ostream* out);

}  // namespace tumbrix::simweb

namespace tumbrix::testing {

// Starts the simulated web and routes the build's hosts to it: the HTTP hosts
// through the HTTP layer's test hook, Google's host through a host rule added
// to QTWEBENGINE_CHROMIUM_FLAGS. Call once, before the QApplication exists.
// False when the server cannot listen.
bool start_simulated_web();
void stop_simulated_web();

simweb::Server& simulated_web();
// The names the simulated web writes its pages with, its own address included.
simweb::Sites served_sites();

// The searches among the requests logged since the log was last cleared, in
// the order they were answered; the browser's other requests (an icon, say)
// are left out.
struct LoggedSearch {
    simweb::SearchQuery query;
    bool cookie_returned = false;
};
std::vector<LoggedSearch> logged_searches();

// Search requests that have arrived since the count was last reset, answered
// or still held back by the page delay.
int searches_arrived();
void reset_searches_arrived();

}  // namespace tumbrix::testing
