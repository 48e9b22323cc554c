// The cookie side of the HTTP layer: cookies stored by hand go into the same
// process-wide store that libcurl fills from responses and reads for requests.
#include <curl/curl.h>

#include <algorithm>
#include <ctime>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/http_client.h"
#include "platform/http_process.h"
#include "platform/http_test_hooks.h"

namespace tumbrix::http {
namespace {

std::string_view trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

std::string lower(std::string_view s) {
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c + 32 : c; });
    return out;
}

bool fits_line(std::string_view s) {
    return std::none_of(s.begin(), s.end(), [](unsigned char c) { return c < 0x20 || c == 0x7F; });
}

// One line of libcurl's cookie-file format: domain, subdomains too, path,
// secure, expiry (0 for a session cookie), name, value; tab-separated.
std::optional<std::string> cookie_file_line(const std::string& url, std::string_view name,
                                            std::string_view data) {
    const size_t scheme_end = url.find("://");
    if (scheme_end == std::string::npos) return std::nullopt;
    std::string host = lower(url.substr(scheme_end + 3));
    host = host.substr(0, host.find_first_of("/:"));
    name = trim(name);
    if (host.empty() || name.empty() || !fits_line(name) || !fits_line(data)) return std::nullopt;

    std::string_view rest = data;
    auto next_piece = [&rest] {
        const size_t semi = rest.find(';');
        std::string_view piece = trim(rest.substr(0, semi));
        rest = semi == std::string_view::npos ? std::string_view() : rest.substr(semi + 1);
        return piece;
    };
    const std::string_view value = next_piece();
    std::string domain = host;
    bool subdomains = false;
    std::string path = "/";
    bool secure = false;
    bool http_only = false;
    std::optional<long long> expiry;
    std::optional<long long> max_age;
    while (!rest.empty()) {
        const std::string_view attribute = next_piece();
        const size_t eq = attribute.find('=');
        const std::string key = lower(trim(attribute.substr(0, eq)));
        const std::string_view arg =
            eq == std::string_view::npos ? std::string_view() : trim(attribute.substr(eq + 1));
        if (key == "domain" && !arg.empty()) {
            std::string d = lower(arg.front() == '.' ? arg.substr(1) : arg);
            // A domain that does not cover the host is refused, as any client would.
            if (d != host && !(host.size() > d.size() && host.ends_with("." + d))) {
                return std::nullopt;
            }
            domain = d;
            subdomains = true;
        } else if (key == "path" && arg.starts_with("/")) {
            path = arg;
        } else if (key == "secure") {
            secure = true;
        } else if (key == "httponly") {
            http_only = true;
        } else if (key == "max-age") {
            char* end = nullptr;
            const std::string digits(arg);
            const long long seconds = std::strtoll(digits.c_str(), &end, 10);
            if (!digits.empty() && *end == '\0') max_age = seconds;
        } else if (key == "expires") {
            const time_t when = curl_getdate(std::string(arg).c_str(), nullptr);
            if (when != -1) expiry = when;
        }
    }
    if (max_age) expiry = *max_age <= 0 ? 1 : static_cast<long long>(std::time(nullptr)) + *max_age;
    if (expiry && *expiry <= 0) expiry = 1;  // already past: removes a stored cookie

    std::string line = http_only ? "#HttpOnly_" : "";
    line += (subdomains ? "." : "") + domain;
    line += subdomains ? "\tTRUE\t" : "\tFALSE\t";
    line += path;
    line += secure ? "\tTRUE\t" : "\tFALSE\t";
    line += std::to_string(expiry.value_or(0));
    line += "\t" + std::string(name) + "\t" + std::string(value);
    return line;
}

void apply_to_store(const char* command) {
    std::unique_ptr<CURL, decltype(&curl_easy_cleanup)> easy(curl_easy_init(), curl_easy_cleanup);
    if (!easy) return;
    curl_easy_setopt(easy.get(), CURLOPT_SHARE, detail::cookie_share());
    curl_easy_setopt(easy.get(), CURLOPT_COOKIELIST, command);
}

}  // namespace

void store_cookie(const std::string& url, const std::string& name, const std::string& data) {
    if (const auto line = cookie_file_line(url, name, data)) apply_to_store(line->c_str());
}

void test_hooks::clear_cookies() {
    apply_to_store("ALL");
}

}  // namespace tumbrix::http
