#include "platform/lifetime.h"

#include <atomic>

namespace tumbrix {
namespace {
std::atomic<bool> g_shutdown{false};
}

void request_shutdown() {
    g_shutdown.store(true);
}
bool shutdown_requested() {
    return g_shutdown.load();
}
void reset_shutdown_for_tests() {
    g_shutdown.store(false);
}

}  // namespace tumbrix
