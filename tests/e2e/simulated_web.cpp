#include "simulated_web.h"

#include <httplib.h>

#include <QByteArray>
#include <QString>
#include <QUrl>
#include <atomic>
#include <memory>

#include "platform/codepage.h"
#include "platform/http_test_hooks.h"
#include "tumbrix/endpoints.h"

namespace tumbrix::simweb {

void PrintTo(const ServedRow& row, std::ostream* out) {
    *out << "{\"" << codepage::gbk_to_utf8(row.title) << "\", \"" << codepage::gbk_to_utf8(row.size)
         << "\", \"" << codepage::gbk_to_utf8(row.link) << "\"}";
}

}  // namespace tumbrix::simweb

namespace tumbrix::testing {
namespace {

std::unique_ptr<simweb::Server> g_web;
std::atomic<int> g_arrived{0};

std::string host_of(const char* base) {
    return QUrl(QString::fromLatin1(base)).host().toStdString();
}

// The path and the parameters of a target as the server read them.
simweb::ParsedQuery parse_target(const std::string& target) {
    const size_t mark = target.find('?');
    httplib::Params params;
    if (mark != std::string::npos)
        httplib::detail::parse_query_text(target.substr(mark + 1), params);
    return simweb::parse_search(target.substr(0, mark), params, served_sites());
}

bool is_search(const std::string& target) {
    return parse_target(target).verdict == simweb::ParsedQuery::Verdict::search;
}

}  // namespace

bool start_simulated_web() {
    g_web = std::make_unique<simweb::Server>(simweb::sites_of_this_build());
    g_web->on_arrival([](const std::string& target) {
        if (is_search(target)) ++g_arrived;
    });
    const int port = g_web->start(0);
    if (port <= 0) return false;

    for (const char* base : {endpoints::kBaiduBase, endpoints::kSinaBase, endpoints::kPortalBase})
        http::test_hooks::route_to_loopback(host_of(base), port);

    // The rule holds spaces, so it stands in quotes among the flags.
    QByteArray flags = qEnvironmentVariableIsSet("QTWEBENGINE_CHROMIUM_FLAGS")
                           ? qgetenv("QTWEBENGINE_CHROMIUM_FLAGS")
                           : QByteArray(
                                 "--disable-gpu --disable-background-networking "
                                 "--disable-component-update");
    flags += " \"--host-resolver-rules=MAP " +
             QByteArray::fromStdString(host_of(endpoints::kGoogleBase)) +
             " 127.0.0.1:" + QByteArray::number(port) + "\"";
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags);
    return true;
}

void stop_simulated_web() {
    http::test_hooks::clear_routes();
    if (g_web) g_web->stop();
}

simweb::Server& simulated_web() {
    return *g_web;
}

simweb::Sites served_sites() {
    simweb::Sites sites = simweb::sites_of_this_build();
    sites.self_base = g_web->base();
    return sites;
}

std::vector<LoggedSearch> logged_searches() {
    std::vector<LoggedSearch> searches;
    for (const simweb::LoggedRequest& request : g_web->request_log()) {
        const simweb::ParsedQuery parsed = parse_target(request.target);
        if (parsed.verdict == simweb::ParsedQuery::Verdict::search)
            searches.push_back({parsed.query, request.cookie_returned});
    }
    return searches;
}

int searches_arrived() {
    return g_arrived.load();
}

void reset_searches_arrived() {
    g_arrived = 0;
}

}  // namespace tumbrix::testing
