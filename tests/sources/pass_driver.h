#pragma once
// Runs BT and portal searches over given pages with no HTTP: the start click
// and the search loop of the window, with each pass's fetch replaced by the
// next page of a list. Also reads the result-page fixtures.
#include <functional>
#include <string>
#include <vector>

#include "sources/search_state.h"
#include "text/text.h"

namespace tumbrix::testing {

// A fixture file of tests/fixtures, byte for byte, with "@LINK_BT@" replaced
// by the BT link prefix this build was configured with.
Bytes read_fixture(const std::string& name);

// `text` with every `find` replaced; the test fails when there is none.
Bytes replaced(Bytes text, const std::string& find, const std::string& replacement);

class PassDriver {
  public:
    // What a start click does: the running look, status "状态：", the list
    // cleared, the page counter at -10 and the flag set.
    void start(SearchKind kind);
    // What a stop click does: the idle look, status "状态：", the flag
    // cleared and the page counter at -10.
    void stop(SearchKind kind);
    // Runs one pass per page while the kind's flag is set and pages are left;
    // returns the number of passes run.
    int run(SearchKind kind, const std::vector<Bytes>& pages);

    std::vector<Text> urls;  // the URL each pass built, in order
    // Runs where a pass waits for its page, as the window's events do.
    std::function<void()> while_fetching;
};

}  // namespace tumbrix::testing
