#include "web/request_worker.h"

#include <array>
#include <string_view>

#include "platform/http_client.h"
#include "web/url_parts.h"

namespace tumbrix {
namespace {

constexpr std::string_view kDefaultAccept =
    "Accept: image/gif, image/x-xbitmap, image/jpeg, image/pjpeg, "
    "application/x-shockwave-flash, application/vnd.ms-excel, application/vnd.ms-powerpoint, "
    "application/msword, */*\r\n";
constexpr std::string_view kDefaultLanguage = "Accept-Language: zh-cn\r\n";
constexpr std::string_view kFormContentType = "Content-Type: application/x-www-form-urlencoded\r\n";
constexpr std::string_view kCookieMarker = "Set-Cookie: ";

// The header text goes out line by line; the lines are its pieces between CR LF.
std::vector<std::string> header_lines(const Text& header_text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < header_text.size()) {
        std::size_t end = header_text.find("\r\n", start);
        if (end == std::string::npos) end = header_text.size();
        if (end > start) lines.push_back(header_text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

// Spaces are the one byte servers reject in a request line that addresses
// still carry now and then; every other byte goes out as given.
Text request_url(const Text& url, const Text& host, int32_t port, const Text& path) {
    Text out = url_is_https(url) ? "https://" : "http://";
    out += host;
    if (port != 0) out += ":" + std::to_string(port);  // 0: the scheme's own port
    for (char c : path) out += c == ' ' ? std::string("%20") : std::string(1, c);
    return out;
}

// Every Set-Cookie line of the header block is stored for the requested host.
void store_cookies(const Text& headers, const Text& cookie_url) {
    if (text_find(headers, kCookieMarker, 1, true) == -1) return;
    std::size_t start = 0;
    while (start < headers.size()) {
        std::size_t end = headers.find('\n', start);
        if (end == std::string::npos) end = headers.size();
        Text line = headers.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        start = end + 1;
        if (text_find(line, kCookieMarker, 1, true) == -1) continue;
        const Text cookie = text_replace_range(line, 1, 12);
        const int q = text_find(cookie, "=", 1, true);
        const Text name = left_bytes(cookie, q - 1);
        const Text data = right_bytes(cookie, text_byte_length(cookie) - q);
        http::store_cookie(cookie_url, name, data);
    }
}

void exchange(RequestChannel& channel) {
    channel.rewind();
    if (channel.read_text() != Text(kRequestMarker)) return;
    std::array<Text, 7> fields;
    for (Text& field : fields) field = channel.read_text().value_or(Text());
    const auto& [url, method, proxy, user_name, password, extra_headers, post_data] = fields;
    channel.clear();

    const Text host = url_host(url, false);
    const Text path = url_path(url);
    const int32_t port = url_port(url);
    if (port < 0 || port > 65535) return;

    http::Request request;
    request.url = request_url(url, host, port, path);
    request.method = method;
    if (!text_strip_spaces(proxy).empty()) request.proxy = proxy;
    if (!text_strip_spaces(user_name).empty()) request.user_name = user_name;
    if (!text_strip_spaces(password).empty()) request.password = password;
    request.should_abort = [&channel] { return channel.abandoned(); };

    // Defaults are appended directly after the caller's lines, which are
    // expected to end in CR LF; a header named in any case counts as present.
    Text header_text = extra_headers;
    if (text_find(header_text, "Accept: ", 1, true) == -1) header_text += kDefaultAccept;
    if (text_find(header_text, "Referer: ", 1, true) == -1) {
        header_text += "Referer: " + url + "\r\n";
    }
    if (text_find(header_text, "Accept-Language: ", 1, true) == -1) {
        header_text += kDefaultLanguage;
    }
    const Text upper_method = text_upper(method);
    if (upper_method == "POST") {
        if (!post_data.empty()) {
            if (text_find(header_text, "Content-Type: ", 1, true) == -1) {
                header_text += kFormContentType;
            }
            header_text +=
                "Content-Length: " + number_to_text(text_byte_length(post_data)) + "\r\n";
            request.send_body = true;
            request.body = post_data;
        }
    } else if (!method.empty() && upper_method != "GET") {
        return;
    }
    request.header_lines = header_lines(header_text);

    std::optional<http::Response> response = http::perform(request);
    if (!response) return;
    const Text headers = bytes_to_text(response->headers);
    channel.rewind();
    channel.write_text(kAnswerMarker);
    channel.write_text(headers);
    if (!channel.write_owned_bytes(std::move(response->body))) {
        channel.clear();
        return;
    }
    response.reset();
    store_cookies(headers, (url_is_https(url) ? "https://" : "http://") + host);
}

}  // namespace

void request_worker(std::shared_ptr<RequestChannel> channel) {
    try {
        exchange(*channel);
    } catch (...) {
        // Out of memory: the caller finds no answer, or an incomplete one it
        // cannot read, and returns empty bytes.
    }
    channel->finish();
    channel->wait_released();
    channel->discard();
}

}  // namespace tumbrix
