#include "platform/http_client.h"

#include <curl/curl.h>

#include <chrono>
#include <memory>
#include <string_view>

#include "platform/http_process.h"

namespace tumbrix::http {
namespace {

constexpr const char* kUserAgent = "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)";

struct EasyDeleter {
    void operator()(CURL* easy) const { curl_easy_cleanup(easy); }
};
struct ListDeleter {
    void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};
using EasyHandle = std::unique_ptr<CURL, EasyDeleter>;
using HeaderList = std::unique_ptr<curl_slist, ListDeleter>;

constexpr std::size_t kRoomInFront = 4096;

struct Transfer {
    CURL* easy;
    const Request* request;
    std::uint64_t max_body;  // also bounds the header block
    Response response;
    bool too_large = false;
};

size_t on_body(char* data, size_t size, size_t count, void* user) {
    auto* transfer = static_cast<Transfer*>(user);
    const size_t n = size * count;
    if (transfer->response.body.size() + n > transfer->max_body) {
        transfer->too_large = true;
        return 0;  // libcurl fails the transfer with a write error
    }
    std::string& body = transfer->response.body;
    if (body.empty()) {
        // One allocation for a body of announced length, in place of a chain of
        // growing copies, with room for a short record to go in front of it.
        curl_off_t announced = -1;
        curl_easy_getinfo(transfer->easy, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &announced);
        if (announced > 0 && static_cast<std::uint64_t>(announced) <= transfer->max_body) {
            body.reserve(static_cast<std::size_t>(announced) + kRoomInFront);
        }
    }
    body.append(data, n);
    return n;
}

// libcurl hands over each header line of every response, the responses of
// followed redirects included; a status line starts the block afresh so the
// final response's block is what remains. Line ends become CR LF whatever the
// server sent.
size_t on_header(char* data, size_t size, size_t count, void* user) {
    auto* transfer = static_cast<Transfer*>(user);
    const size_t n = size * count;
    std::string_view line(data, n);
    if (line.starts_with("HTTP/")) transfer->response.headers.clear();
    // Whole, however long, but no server may fill the memory with headers either.
    if (transfer->response.headers.size() + n + 2 > transfer->max_body) {
        transfer->too_large = true;
        return 0;
    }
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.remove_suffix(1);
    transfer->response.headers.append(line);
    transfer->response.headers.append("\r\n");
    return n;
}

int on_progress(void* user, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
    const auto* transfer = static_cast<Transfer*>(user);
    const auto& abort = transfer->request->should_abort;
    return abort && abort() ? 1 : 0;
}

bool has_header(const std::vector<std::string>& lines, std::string_view name) {
    for (const std::string& line : lines) {
        if (line.size() <= name.size() || line[name.size()] != ':') continue;
        if (curl_strnequal(line.c_str(), std::string(name).c_str(), name.size())) return true;
    }
    return false;
}

// The header lines go out as given, in order. libcurl would add lines of its
// own (Accept: */*, a form Content-Type, Expect: 100-continue) that the caller
// did not ask for; an empty "Name:" entry keeps each of them out.
HeaderList header_list(const Request& request) {
    curl_slist* list = nullptr;
    auto add = [&list](const std::string& line) {
        if (curl_slist* grown = curl_slist_append(list, line.c_str())) list = grown;
    };
    for (const std::string& line : request.header_lines) add(line);
    for (const char* name : {"Accept", "Content-Type", "Expect"}) {
        if (!has_header(request.header_lines, name)) add(std::string(name) + ":");
    }
    return HeaderList(list);
}

curl_slist* connect_to_list(const std::vector<std::string>& routes) {
    curl_slist* list = nullptr;
    for (const std::string& route : routes) {
        if (curl_slist* grown = curl_slist_append(list, route.c_str())) list = grown;
    }
    return list;
}

constexpr int kMaxRedirects = 20;

bool is_abandoned(CURLcode code) {
    switch (code) {
        case CURLE_ABORTED_BY_CALLBACK:
        case CURLE_OPERATION_TIMEDOUT:
        case CURLE_WRITE_ERROR:
        case CURLE_FILESIZE_EXCEEDED:
        case CURLE_URL_MALFORMAT:
        case CURLE_UNSUPPORTED_PROTOCOL:
        case CURLE_FAILED_INIT:
        case CURLE_OUT_OF_MEMORY:
        case CURLE_BAD_FUNCTION_ARGUMENT:
            return true;
        default:
            return false;
    }
}

struct Outcome {
    Response response;
    long status = 0;
    std::string redirect_url;  // where a redirect not followed leads
};

using Clock = std::chrono::steady_clock;

std::optional<Outcome> exchange(const Request& request, const detail::Settings& settings,
                                bool follow_redirects, Clock::time_point deadline) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    if (left.count() <= 0) return std::nullopt;
    EasyHandle easy(curl_easy_init());
    if (!easy) return std::nullopt;
    CURL* h = easy.get();

    Transfer transfer{h, &request, settings.limits.max_body, {}, false};
    HeaderList headers = header_list(request);
    HeaderList routes(connect_to_list(settings.connect_to));
    const bool https = request.url.starts_with("https://");

    curl_easy_setopt(h, CURLOPT_URL, request.url.c_str());
    curl_easy_setopt(h, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(h, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(h, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(h, CURLOPT_PATH_AS_IS, 1L);
    curl_easy_setopt(h, CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_1_1));
    curl_easy_setopt(h, CURLOPT_USERAGENT, kUserAgent);
    curl_easy_setopt(h, CURLOPT_HTTPHEADER, headers.get());
    curl_easy_setopt(h, CURLOPT_FOLLOWLOCATION, follow_redirects ? 1L : 0L);
    curl_easy_setopt(h, CURLOPT_MAXREDIRS, static_cast<long>(kMaxRedirects));
    curl_easy_setopt(h, CURLOPT_SHARE, detail::cookie_share());
    curl_easy_setopt(h, CURLOPT_COOKIEFILE, "");  // the cookie engine, with nothing to load
    // An empty proxy also keeps libcurl from reading proxy variables from the
    // environment. The proxy is one for http:// addresses, so https goes direct.
    curl_easy_setopt(h, CURLOPT_PROXY, https ? "" : request.proxy.c_str());
    if (!request.user_name.empty() || !request.password.empty()) {
        curl_easy_setopt(h, CURLOPT_HTTPAUTH, CURLAUTH_ANY);
        if (!request.user_name.empty()) {
            curl_easy_setopt(h, CURLOPT_USERNAME, request.user_name.c_str());
        }
        if (!request.password.empty()) {
            curl_easy_setopt(h, CURLOPT_PASSWORD, request.password.c_str());
        }
    }
    if (request.send_body) {
        curl_easy_setopt(h, CURLOPT_POST, 1L);
        curl_easy_setopt(h, CURLOPT_POSTFIELDSIZE_LARGE,
                         static_cast<curl_off_t>(request.body.size()));
        curl_easy_setopt(h, CURLOPT_POSTFIELDS, request.body.data());
    }
    if (!request.method.empty() && request.method != (request.send_body ? "POST" : "GET")) {
        curl_easy_setopt(h, CURLOPT_CUSTOMREQUEST, request.method.c_str());
    }
    if (routes) curl_easy_setopt(h, CURLOPT_CONNECT_TO, routes.get());
    if (!settings.ca_file.empty()) curl_easy_setopt(h, CURLOPT_CAINFO, settings.ca_file.c_str());

    curl_easy_setopt(h, CURLOPT_TIMEOUT_MS, static_cast<long>(left.count()));
    curl_easy_setopt(h, CURLOPT_CONNECTTIMEOUT_MS,
                     static_cast<long>(settings.limits.connect.count()));
    curl_easy_setopt(h, CURLOPT_MAXFILESIZE_LARGE,
                     static_cast<curl_off_t>(settings.limits.max_body));
    curl_easy_setopt(h, CURLOPT_WRITEFUNCTION, on_body);
    curl_easy_setopt(h, CURLOPT_WRITEDATA, &transfer);
    curl_easy_setopt(h, CURLOPT_HEADERFUNCTION, on_header);
    curl_easy_setopt(h, CURLOPT_HEADERDATA, &transfer);
    curl_easy_setopt(h, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(h, CURLOPT_XFERINFOFUNCTION, on_progress);
    curl_easy_setopt(h, CURLOPT_XFERINFODATA, &transfer);

    const CURLcode code = curl_easy_perform(h);
    if (is_abandoned(code) || transfer.too_large) return std::nullopt;
    Outcome outcome{std::move(transfer.response), 0, {}};
    curl_easy_getinfo(h, CURLINFO_RESPONSE_CODE, &outcome.status);
    char* location = nullptr;
    if (curl_easy_getinfo(h, CURLINFO_REDIRECT_URL, &location) == CURLE_OK && location) {
        outcome.redirect_url = location;
    }
    return outcome;
}

std::string url_host(const std::string& url) {
    CURLU* parts = curl_url();
    std::string host;
    char* part = nullptr;
    if (parts && curl_url_set(parts, CURLUPART_URL, url.c_str(), 0) == CURLUE_OK &&
        curl_url_get(parts, CURLUPART_HOST, &part, 0) == CURLUE_OK) {
        host = part;
        curl_free(part);
    }
    curl_url_cleanup(parts);
    return host;
}

// The request a redirect of a request with a body leads to. 307 and 308 repeat
// it as it was; the others turn it into a GET without the body and its lines,
// as browsers do. Credentials stay with their host.
Request redirected(const Request& request, const Outcome& outcome) {
    Request next = request;
    next.url = outcome.redirect_url;
    if (outcome.status != 307 && outcome.status != 308) {
        next.method.clear();
        next.send_body = false;
        next.body.clear();
        std::erase_if(next.header_lines, [](const std::string& line) {
            return has_header({line}, "Content-Length") || has_header({line}, "Content-Type");
        });
    }
    if (url_host(next.url) != url_host(request.url)) {
        next.user_name.clear();
        next.password.clear();
        std::erase_if(next.header_lines, [](const std::string& line) {
            return has_header({line}, "Authorization") || has_header({line}, "Cookie");
        });
    }
    return next;
}

}  // namespace

std::optional<Response> perform(const Request& request) {
    initialize();
    const detail::Settings settings = detail::settings();
    const Clock::time_point deadline = Clock::now() + settings.limits.total;
    // libcurl follows redirects by itself, but it would repeat the caller's own
    // Content-Length line on the GET that a redirected POST turns into, and the
    // server would wait for a body that never comes. A request with a body
    // therefore follows its redirects here until it has turned into a GET.
    Request current = request;
    for (int redirects = 0;; ++redirects) {
        const bool has_body = current.send_body;
        std::optional<Outcome> outcome = exchange(current, settings, !has_body, deadline);
        if (!outcome) return std::nullopt;
        const bool redirect =
            outcome->status >= 300 && outcome->status < 400 && !outcome->redirect_url.empty();
        if (!has_body || !redirect || redirects == kMaxRedirects) {
            return std::move(outcome->response);
        }
        current = redirected(current, *outcome);
    }
}

}  // namespace tumbrix::http
