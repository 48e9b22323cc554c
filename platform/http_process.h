#pragma once
// Process-wide state of the HTTP layer, shared by every exchange on every
// thread. Internal to platform/.
#include <curl/curl.h>

#include <string>
#include <vector>

#include "platform/http_test_hooks.h"

namespace tumbrix::http::detail {

struct Settings {
    test_hooks::Limits limits;
    std::vector<std::string> connect_to;  // CURLOPT_CONNECT_TO entries
    std::string ca_file;
};

// A copy, so an exchange keeps the settings it started with.
Settings settings();

// The cookie store every exchange shares. Never released: a worker that is
// still running while the process ends may hold it.
CURLSH* cookie_share();

}  // namespace tumbrix::http::detail
