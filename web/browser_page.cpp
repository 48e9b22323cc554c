#include "web/browser_page.h"

#include "platform/browser_box.h"
#include "platform/page_load.h"
#include "platform/page_reader.h"

namespace tumbrix {

// The reader is bound to the document that finished loading for this very
// request, never to whatever the box showed before it.
Text read_browser_page(const Text& url, std::chrono::milliseconds limit) {
    PageReader reader;
    if (!reader.attach(load_page_document(page_reader_box(), url, limit))) return {};
    return reader.read_text("outerHTML");
}

}  // namespace tumbrix
