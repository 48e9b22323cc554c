#include "sources/bt_pass.h"

#include "sources/bt_steps.h"
#include "sources/catalogue.h"
#include "web/timed_web_request.h"

namespace tumbrix {

void bt_pass() {
    fetch_bt_page();
    search_bt_page();
}

void fetch_bt_page() {
    const Text url = build_bt_url();
    store_bt_page(timed_web_request(url));
}

}  // namespace tumbrix
