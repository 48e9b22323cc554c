#include "tools/simweb/search_query.h"

#include <charconv>

#include "platform/codepage.h"

namespace tumbrix::simweb {
namespace {

using Verdict = ParsedQuery::Verdict;

ParsedQuery bad(std::string reason) {
    ParsedQuery p;
    p.verdict = Verdict::bad_request;
    p.reason = std::move(reason);
    return p;
}

const std::string* param(const QueryParams& params, const std::string& key) {
    const auto it = params.find(key);
    return it == params.end() ? nullptr : &it->second;
}

// A page number or offset: absent means 0; anything but plain digits is bad.
// Offsets beyond any hit count only ever give an empty page, so they saturate.
bool read_count(const QueryParams& params, const std::string& key, int64_t& out) {
    out = 0;
    const std::string* v = param(params, key);
    if (!v || v->empty()) return true;
    for (const char c : *v)
        if (c < '0' || c > '9') return false;
    const auto result = std::from_chars(v->data(), v->data() + v->size(), out);
    if (result.ec == std::errc::result_out_of_range || out > INT32_MAX) out = INT32_MAX;
    return true;
}

ParsedQuery found(Source source, Text keyword, int64_t first) {
    ParsedQuery p;
    p.verdict = Verdict::search;
    p.query.source = source;
    p.query.keyword = std::move(keyword);
    p.query.first = static_cast<int32_t>(first > INT32_MAX ? INT32_MAX : first);
    return p;
}

ParsedQuery baidu(const QueryParams& params, const Sites& sites) {
    const std::string& wd = *param(params, "wd");
    int64_t offset = 0;
    if (!read_count(params, "pn", offset)) return bad("pn is not a number");

    constexpr std::string_view kSite = "site:(";
    if (wd.starts_with(kSite)) {
        const size_t close = wd.find(')', kSite.size());
        if (close == std::string::npos) return bad("site:( without )");
        const std::string domain = wd.substr(kSite.size(), close - kSite.size());
        const Text keyword = codepage::utf8_to_gbk(std::string_view(wd).substr(close + 1));
        if (domain == sites.domain_115) return found(Source::s115, keyword, offset);
        if (domain == sites.domain_namipan) return found(Source::namipan, keyword, offset);
        if (domain == sites.domain_rayfile) return found(Source::rayfile, keyword, offset);
        return bad("no simulated site has the domain " + domain);
    }
    const std::string* si = param(params, "si");
    if (si && *si == sites.domain_bt) return found(Source::bt, codepage::utf8_to_gbk(wd), offset);
    return bad("a Baidu query needs site:(<domain>) or si=<BT domain>");
}

ParsedQuery google(const QueryParams& params, const Sites& sites) {
    const std::string* q = param(params, "q");
    if (!q) return bad("a Google query needs q");
    int64_t offset = 0;
    if (!read_count(params, "start", offset)) return bad("start is not a number");

    // q is "\"<keyword>\" site:<domain>"; the keyword may itself hold quotes.
    constexpr std::string_view kSite = "\" site:";
    const size_t at = q->rfind(kSite);
    if (q->empty() || q->front() != '"' || at == std::string::npos || at == 0)
        return bad("q is not \"<keyword>\" site:<domain>");
    const std::string domain = q->substr(at + kSite.size());
    const Text keyword = codepage::utf8_to_gbk(std::string_view(*q).substr(1, at - 1));
    if (domain == sites.domain_xun6) return found(Source::xun6, keyword, offset);
    if (domain == sites.domain_hotfile) return found(Source::hotfile, keyword, offset);
    return bad("no simulated site has the domain " + domain);
}

ParsedQuery sina(const QueryParams& params) {
    const std::string* key = param(params, "key");
    if (!key) return bad("a Sina query needs key");
    int64_t page = 0;
    if (!read_count(params, "page", page)) return bad("page is not a number");
    return found(Source::sina, *key, page * kRowsPerPage);  // the raw GBK bytes as typed
}

ParsedQuery portal(const QueryParams& params) {
    int64_t offset = 0;
    if (!read_count(params, "p", offset)) return bad("p is not a number");
    return found(Source::portal, codepage::utf8_to_gbk(*param(params, "q")), offset);
}

}  // namespace

ParsedQuery parse_search(std::string_view path, const QueryParams& params, const Sites& sites) {
    if (path == "/s") {
        if (param(params, "wd")) return baidu(params, sites);
        if (param(params, "q")) return portal(params);
        return bad("/s needs wd (Baidu) or q (the portal)");
    }
    if (path == "/search") return google(params, sites);
    if (path == "/search.php") return sina(params);
    return {};
}

}  // namespace tumbrix::simweb
