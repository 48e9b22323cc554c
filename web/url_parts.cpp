#include "web/url_parts.h"

#include <limits>

namespace tumbrix {
namespace {

struct Scheme {
    int position;  // 1-based position of the scheme, -1 when the address has none
    int length;
    bool https;
};

Scheme find_scheme(const Text& url) {
    const int http = text_find(url, "http://");
    const int https = text_find(url, "https://");
    if (https != -1 && (http == -1 || https < http)) return {https, 8, true};
    return {http, 7, false};
}

}  // namespace

bool url_is_https(const Text& url) {
    return find_scheme(url).https;
}

Text url_host(const Text& url, bool keep_port) {
    const Scheme scheme = find_scheme(url);
    const int s = scheme.position == -1 ? 1 : scheme.position + scheme.length;
    const int e = text_find(url, "/", s);
    Text host = mid_bytes(url, s, e == -1 ? text_byte_length(url) : e - s);
    const int colon = text_find(host, ":");
    if (!keep_port && colon != -1) host = left_bytes(host, colon - 1);
    return text_lower(host);
}

Text url_path(const Text& url) {
    const int a = text_find(url, url_host(url, false), 1, true);
    const int b = text_find(url, "/", a, true);
    if (b == -1) return "/";
    return right_bytes(url, text_byte_length(url) - b + 1);
}

int32_t url_port(const Text& url) {
    const Text host_port = url_host(url, true);
    const int c = text_find(host_port, ":");
    if (c == -1) return url_is_https(url) ? 443 : 80;
    const double port = text_to_number(right_bytes(host_port, text_byte_length(host_port) - c));
    // Truncation toward zero; a value no int32 can hold is no port at all.
    if (!(port > std::numeric_limits<int32_t>::min() - 1.0 &&
          port < std::numeric_limits<int32_t>::max() + 1.0)) {
        return 0;
    }
    return static_cast<int32_t>(port);
}

}  // namespace tumbrix
