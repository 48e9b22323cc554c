#include "sources/portal_pass.h"

#include "platform/events.h"
#include "sources/catalogue.h"
#include "sources/portal_steps.h"
#include "web/timed_web_request.h"

namespace tumbrix {

void portal_pass() {
    process_pending_events();
    const Text url = build_portal_url();
    store_portal_page(timed_web_request(url));
    search_portal_page();
}

}  // namespace tumbrix
