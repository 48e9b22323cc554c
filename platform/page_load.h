#pragma once
// Sends a browser box to an address and waits for that page.
#include <chrono>

#include "platform/page_reader.h"
#include "text/text.h"

class QWebEngineView;

namespace tumbrix {

// Sends `box` to `url` (http:// or https:// only) and waits, handling events
// and never polling, until this navigation has finished loading. Returns the
// document it loaded, or nullptr when
//  - there is no box or the address is not a web address;
//  - the load failed;
//  - `limit` passed: the load is then stopped;
//  - a later load of the same box, started by a handler that ran inside this
//    wait, replaced it;
//  - the box went away or shutdown was requested.
DocumentRef load_page_document(QWebEngineView* box, const Text& url,
                               std::chrono::milliseconds limit);

}  // namespace tumbrix
