#pragma once
// Fetches one URL over HTTP on a worker thread of its own while the calling
// thread keeps handling its events, bounded by a time limit per wait.
#include <cstdint>
#include <optional>

#include "text/text.h"

namespace tumbrix {

// Optional parameters: each carries a given-or-absent state besides its value.
struct RequestOptions {
    std::optional<Text> method;  // empty or absent: GET
    std::optional<Text> proxy;   // absent or blank: direct
    std::optional<Text> user_name;
    std::optional<Text> password;
    std::optional<Text> extra_headers;  // header lines, each ending in CR LF
    std::optional<Text> post_data;
    std::optional<int32_t> timeout_seconds;  // absent, 0 or below: 90
    Text* response_headers = nullptr;        // written only when given
};

// The response body, or empty bytes when the request failed or a wait passed
// its limit. The limit bounds each single wait: every event handled on the
// calling thread starts a new one. On its own the worker gives up after 300 s
// in all, 30 s without a connection, or a body over 64 MiB. Ends at once with
// empty bytes once shutdown is requested. Addresses may be http:// or https://.
Bytes timed_web_request(const Text& url, const RequestOptions& options = {});

}  // namespace tumbrix
