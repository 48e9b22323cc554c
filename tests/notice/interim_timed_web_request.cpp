// Stand-in for web/'s timed web request until that library is built: a plain
// GET through cpp-httplib, enough for the loopback pages of these tests.
#include <httplib.h>

#include "web/timed_web_request.h"

namespace tumbrix {

Bytes timed_web_request(const Text& url, const RequestOptions&) {
    const std::string scheme = "http://";
    if (url.rfind(scheme, 0) != 0) return {};
    const size_t slash = url.find('/', scheme.size());
    const std::string host = url.substr(0, slash);
    const std::string path = slash == std::string::npos ? "/" : url.substr(slash);
    httplib::Client client(host);
    client.set_connection_timeout(5);
    client.set_read_timeout(5);
    const auto res = client.Get(path);
    if (!res) return {};
    return res->body;
}

}  // namespace tumbrix
