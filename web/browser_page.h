#pragma once
// Reads a page through the hidden browser box 超文本浏览框1, for the sources
// whose result pages are loaded in a browser.
#include "text/text.h"

namespace tumbrix {

// Sends the reader box to `url`, waits (handling events) until that page has
// loaded and returns the markup of its document element in GBK; the empty text
// when nothing can be read.
Text read_browser_page(const Text& url);

}  // namespace tumbrix
