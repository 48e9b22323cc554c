#pragma once
// Reads a page through the hidden browser box 超文本浏览框1, for the sources
// whose result pages are loaded in a browser.
#include <chrono>

#include "text/text.h"

namespace tumbrix {

// How long the reader waits for a page to load: the fetch limit of Tumbrix.
inline constexpr std::chrono::milliseconds kBrowserPageLimit{90'000};

// Sends the reader box to `url`, waits (handling events) until that page has
// loaded and returns the markup of its document element in GBK, as the page's
// scripts left it. The empty text when nothing can be read: no reader box, an
// address other than http:// or https://, a failed load, a load still going
// after `limit` (it is stopped), or a newer read of the box started by a
// handler that ran while this one waited.
Text read_browser_page(const Text& url, std::chrono::milliseconds limit = kBrowserPageLimit);

}  // namespace tumbrix
