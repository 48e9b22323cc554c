#pragma once
// Splits an address into the parts an HTTP exchange needs. Pure functions.
// "http://" and "https://" are recognised (case-sensitive, the first one in
// the address); an address with neither is split from its first byte on.
#include <cstdint>

#include "text/text.h"

namespace tumbrix {

// The host name in lower case, with its ":port" only when keep_port is true.
Text url_host(const Text& url, bool keep_port);
// From the first "/" after the host to the end, query included; "/" when none.
Text url_path(const Text& url);
// The port the address names; 80 when none (443 for an https address), 0 when
// the port text is not a number.
int32_t url_port(const Text& url);
// True when the address's scheme is https.
bool url_is_https(const Text& url);

}  // namespace tumbrix
