#include "app/web_address.h"

#include <QDesktopServices>
#include <QUrl>

#include "app/qt_text.h"

namespace tumbrix {
namespace {

AddressOpener g_opener;

bool starts_with_ignoring_case(std::string_view text, std::string_view prefix) {
    return text_find(text.substr(0, prefix.size()), prefix, 1, true) == 1;
}

void open_on_desktop(const Text& address) {
    QDesktopServices::openUrl(QUrl(to_qstring(address), QUrl::TolerantMode));
}

}  // namespace

bool is_web_address(std::string_view address) {
    return starts_with_ignoring_case(address, "http://") ||
           starts_with_ignoring_case(address, "https://");
}

void set_address_opener(AddressOpener opener) {
    g_opener = std::move(opener);
}

void open_web_address(const Text& address) {
    if (!is_web_address(address)) return;
    if (g_opener) {
        g_opener(address);
    } else {
        open_on_desktop(address);
    }
}

}  // namespace tumbrix
