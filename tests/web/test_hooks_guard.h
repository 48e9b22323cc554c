#pragma once
// Shortened HTTP limits for the length of one test.
#include "platform/http_test_hooks.h"

namespace tumbrix::testing {

class LimitsGuard {
  public:
    explicit LimitsGuard(const http::test_hooks::Limits& limits) {
        http::test_hooks::set_limits(limits);
    }
    ~LimitsGuard() { http::test_hooks::set_limits({}); }
    LimitsGuard(const LimitsGuard&) = delete;
    LimitsGuard& operator=(const LimitsGuard&) = delete;
};

// A host name routed to a loopback port for the length of one test.
class RouteGuard {
  public:
    RouteGuard(const std::string& host, int port) {
        http::test_hooks::route_to_loopback(host, port);
    }
    ~RouteGuard() { http::test_hooks::clear_routes(); }
    RouteGuard(const RouteGuard&) = delete;
    RouteGuard& operator=(const RouteGuard&) = delete;
};

}  // namespace tumbrix::testing
