#include "platform/lifetime.h"

#include <atomic>

namespace tumbrix {
namespace {
std::atomic<bool> g_shutdown{false};
std::stop_source g_shutdown_source;
}  // namespace

void request_shutdown() {
    g_shutdown.store(true);
    g_shutdown_source.request_stop();
}
bool shutdown_requested() {
    return g_shutdown.load();
}
void reset_shutdown_for_tests() {
    g_shutdown.store(false);
    g_shutdown_source = std::stop_source();
}
std::stop_token shutdown_token() {
    return g_shutdown_source.get_token();
}

}  // namespace tumbrix
