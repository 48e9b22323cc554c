#include "platform/http_process.h"

#include <array>
#include <mutex>

#include "platform/http_client.h"

namespace tumbrix::http {
namespace detail {
namespace {

std::mutex g_settings_mutex;
Settings g_settings;

// One lock per kind of shared data, as libcurl asks for.
std::array<std::mutex, CURL_LOCK_DATA_LAST> g_share_locks;

void lock_share(CURL*, curl_lock_data data, curl_lock_access, void*) {
    g_share_locks[data].lock();
}
void unlock_share(CURL*, curl_lock_data data, void*) {
    g_share_locks[data].unlock();
}

CURLSH* g_share = nullptr;

void initialize_once() {
    curl_global_init(CURL_GLOBAL_DEFAULT);
    g_share = curl_share_init();
    curl_share_setopt(g_share, CURLSHOPT_LOCKFUNC, lock_share);
    curl_share_setopt(g_share, CURLSHOPT_UNLOCKFUNC, unlock_share);
    curl_share_setopt(g_share, CURLSHOPT_SHARE, CURL_LOCK_DATA_COOKIE);
}

}  // namespace

Settings settings() {
    std::lock_guard lock(g_settings_mutex);
    return g_settings;
}

CURLSH* cookie_share() {
    initialize();
    return g_share;
}

}  // namespace detail

void initialize() {
    static std::once_flag once;
    std::call_once(once, detail::initialize_once);
}

namespace test_hooks {

void set_limits(const Limits& limits) {
    std::lock_guard lock(detail::g_settings_mutex);
    detail::g_settings.limits = limits;
}

Limits limits() {
    std::lock_guard lock(detail::g_settings_mutex);
    return detail::g_settings.limits;
}

void route_to_loopback(const std::string& host, int port) {
    std::lock_guard lock(detail::g_settings_mutex);
    auto& routes = detail::g_settings.connect_to;
    const std::string key = host + "::";
    std::erase_if(routes, [&](const std::string& r) { return r.starts_with(key); });
    routes.push_back(key + "127.0.0.1:" + std::to_string(port));
}

void clear_routes() {
    std::lock_guard lock(detail::g_settings_mutex);
    detail::g_settings.connect_to.clear();
}

void set_ca_file(const std::string& path) {
    std::lock_guard lock(detail::g_settings_mutex);
    detail::g_settings.ca_file = path;
}

}  // namespace test_hooks
}  // namespace tumbrix::http
