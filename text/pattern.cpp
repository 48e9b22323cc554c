#include "text/pattern.h"

#include <boost/regex.hpp>

namespace tumbrix {
namespace {

// A GBK character whose trail byte is a regex metacharacter ("[", "\", "]",
// "^", "{", "|", "}") must still match as its two bytes: escape the trail byte.
std::string protect_two_byte_chars(std::string_view pattern) {
    std::string out;
    out.reserve(pattern.size() + 8);
    for (size_t i = 0; i < pattern.size(); ++i) {
        const auto c = static_cast<unsigned char>(pattern[i]);
        out.push_back(pattern[i]);
        if (c >= 0x80 && i + 1 < pattern.size()) {
            const char trail = pattern[++i];
            switch (trail) {
                case '[':
                case '\\':
                case ']':
                case '^':
                case '{':
                case '|':
                case '}':
                    out.push_back('\\');
                    break;
                default:
                    break;
            }
            out.push_back(trail);
        }
    }
    return out;
}

SearchResult to_result(const boost::match_results<const char*>& m, const char* base) {
    SearchResult r;
    for (size_t g = 0; g < m.size(); ++g) {
        SearchResult::Group group;
        group.matched = m[g].matched;
        if (group.matched) {
            group.offset = static_cast<size_t>(m[g].first - base);
            group.length = static_cast<size_t>(m[g].second - m[g].first);
        }
        r.groups().push_back(group);
    }
    return r;
}

}  // namespace

Text SearchResult::submatch_text(std::string_view text, size_t n) const {
    if (!matched() || n >= groups_.size() || !groups_[n].matched) return {};
    const Group& g = groups_[n];
    if (g.offset > text.size()) return {};
    return Text(text.substr(g.offset, g.length));
}

struct regex::Impl {
    boost::regex expression;
    bool valid = false;
};

regex::regex() : impl_(std::make_unique<Impl>()) {}
regex::~regex() = default;

bool regex::create(std::string_view pattern) {
    try {
        boost::regex compiled(protect_two_byte_chars(pattern), boost::regex::perl);
        impl_->expression.swap(compiled);
        impl_->valid = true;
        pattern_.assign(pattern);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

SearchResult regex::search(std::string_view text, int start) const {
    const size_t from = start < 1 ? 0 : static_cast<size_t>(start - 1);
    if (!impl_->valid || from > text.size()) return {};
    const char* base = text.data();
    boost::match_results<const char*> m;
    auto flags = boost::match_default;
    if (from > 0) flags |= boost::match_prev_avail;
    try {
        if (!boost::regex_search(base + from, base + text.size(), m, impl_->expression, flags))
            return {};
    } catch (const std::exception&) {
        return {};  // Boost gave up (complexity limit): no match
    }
    return to_result(m, base);
}

std::vector<SearchResult> regex::search_all(std::string_view text) const {
    std::vector<SearchResult> results;
    if (!impl_->valid || text.empty()) return results;
    const char* base = text.data();
    try {
        boost::cregex_iterator it(base, base + text.size(), impl_->expression);
        for (; it != boost::cregex_iterator(); ++it) results.push_back(to_result(*it, base));
    } catch (const std::exception&) {
        return {};  // an aborted search counts as no match at all
    }
    return results;
}

}  // namespace tumbrix
