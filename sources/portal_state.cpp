#include "sources/portal_state.h"

namespace tumbrix {
namespace {
PortalPageState g_portal;
}

PortalPageState& portal_page_state() {
    return g_portal;
}

void reset_portal_page_state() {
    g_portal = PortalPageState{};
}

}  // namespace tumbrix
