#pragma once
// Knobs for tests of code that fetches over HTTP. The program never calls any
// of these: they let a test reach its own servers on 127.0.0.1 under the
// product's real addresses (http://www.baidu.com/... included) and shorten the
// hard limits so that no test has to wait for minutes.
//
//   http::test_hooks::route_to_loopback("www.baidu.com", server.port());
//   ... timed_web_request("http://www.baidu.com/s?wd=x") reaches the server ...
//   http::test_hooks::clear_routes();
//
// Every hook applies to exchanges that start after it was called, on any thread.
#include <chrono>
#include <cstdint>
#include <string>

namespace tumbrix::http::test_hooks {

struct Limits {
    std::chrono::milliseconds total{300'000};   // the whole exchange, redirects included
    std::chrono::milliseconds connect{30'000};  // until a connection stands
    std::uint64_t max_body = 64ull << 20;       // bytes; a longer body fails the exchange
};

// The limits in force; Limits{} restores the program's own.
void set_limits(const Limits& limits);
Limits limits();

// Connections to `host` (any port) go to 127.0.0.1:`port`; the request itself
// still names `host`. No name lookup takes place for a routed host.
void route_to_loopback(const std::string& host, int port);
void clear_routes();

// Trusts the certificates in this PEM file in place of the system's; empty
// restores the system's store.
void set_ca_file(const std::string& path);

// Forgets every cookie of the process-wide store.
void clear_cookies();

}  // namespace tumbrix::http::test_hooks
