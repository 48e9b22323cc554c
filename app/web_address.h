#pragma once
// Addresses handed to the desktop's browser. Result links, advert links and
// the update address all come from web pages, so only web addresses leave
// Tumbrix: handing arbitrary text to the desktop's open action could start a
// local program or open a local file.
#include <functional>
#include <string_view>

#include "text/text.h"

namespace tumbrix {

// True when the text begins with "http://" or "https://", scheme letters in
// any case.
bool is_web_address(std::string_view address);

using AddressOpener = std::function<void(const Text& address)>;

// Replaces the desktop's open action, so that tests record addresses instead
// of starting a browser. An empty opener restores the desktop's.
void set_address_opener(AddressOpener opener);

// Hands a web address to the opener; anything else is ignored quietly.
void open_web_address(const Text& address);

}  // namespace tumbrix
