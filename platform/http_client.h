#pragma once
// Tumbrix's HTTP client: one exchange per call, on the calling thread, over
// libcurl. Redirects are followed, nothing is cached, and every exchange of
// the process shares one cookie store. Exchanges are bounded by hard limits
// (300 s in all, 30 s to connect, 64 MiB of body) so no server can hold a
// worker forever or fill the memory.
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tumbrix::http {

struct Request {
    std::string url;         // absolute http:// or https:// address
    std::string method;      // sent as given; empty means GET
    bool send_body = false;  // a POST: `body` goes out with its length
    std::string body;
    std::string proxy;                      // empty: direct. Used for http:// addresses only.
    std::string user_name;                  // empty: none
    std::string password;                   // empty: none
    std::vector<std::string> header_lines;  // sent in this order, without CR LF
    // Polled while the exchange runs; true abandons it.
    std::function<bool()> should_abort;
};

struct Response {
    std::string headers;  // raw header block of the final response, CR LF line ends
    std::string body;     // as received, possibly cut short by a failed read
};

// The response, possibly empty when the server could not be reached or the
// send failed. nullopt when no exchange could be set up (a malformed address,
// an unsupported scheme) or the exchange was abandoned: told to abort, or past
// one of the hard limits.
std::optional<Response> perform(const Request& request);

// Stores one cookie for later requests to `url`'s host, as a Set-Cookie line
// "name=data" would: `data` is the value followed by the cookie's attributes.
void store_cookie(const std::string& url, const std::string& name, const std::string& data);

// Prepares the HTTP layer for the process; safe to call from any thread, any
// number of times. Every other function calls it as needed.
void initialize();

}  // namespace tumbrix::http
