#include "tools/simweb/catalogue.h"

#include <array>
#include <cstdio>

namespace tumbrix::simweb {
namespace {

// Words in which no marker the page readers look for ("文件", "下載", "大小",
// "共享", "查询" ...) can form, not even across the byte boundary of two
// characters; the page tests read every route to make sure.
constexpr std::array kWords = {"高清合集", "完整版", "学习资料", "精选", "原声",
                               "珍藏版",   "教程",   "全集",     "中字", "无损"};
constexpr std::array kExtensions = {".rar", ".zip", ".pdf", ".mp3", ".avi", ".exe"};

bool is_nothing(std::string_view keyword) {
    while (!keyword.empty() && keyword.front() == ' ') keyword.remove_prefix(1);
    while (!keyword.empty() && keyword.back() == ' ') keyword.remove_suffix(1);
    constexpr std::string_view kNothing = "nothing";
    if (keyword.size() != kNothing.size()) return false;
    for (size_t i = 0; i < keyword.size(); ++i) {
        char c = keyword[i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != kNothing[i]) return false;
    }
    return true;
}

// The number after the first "hits" that is followed by a digit, or -1.
int32_t asked_hits(std::string_view keyword) {
    for (size_t at = keyword.find("hits"); at != std::string_view::npos;
         at = keyword.find("hits", at + 1)) {
        size_t i = at + 4;
        if (i >= keyword.size() || keyword[i] < '0' || keyword[i] > '9') continue;
        int64_t n = 0;
        for (; i < keyword.size() && keyword[i] >= '0' && keyword[i] <= '9'; ++i) {
            n = n * 10 + (keyword[i] - '0');
            if (n > kMaxHits) return kMaxHits;
        }
        return static_cast<int32_t>(n);
    }
    return -1;
}

uint32_t mix(std::string_view keyword, Source source, int32_t index) {
    uint32_t h = fnv1a(keyword);
    const int32_t extra[2] = {static_cast<int32_t>(source), index};
    return fnv1a(std::string_view(reinterpret_cast<const char*>(extra), sizeof extra), h);
}

}  // namespace

uint32_t fnv1a(std::string_view bytes, uint32_t seed) {
    uint32_t h = seed;
    for (unsigned char c : bytes) {
        h ^= c;
        h *= 16777619u;
    }
    return h;
}

int32_t hit_count(std::string_view keyword, Source source) {
    if (is_nothing(keyword)) return 0;
    if (const int32_t asked = asked_hits(keyword); asked >= 0) return asked;
    return 15 + static_cast<int32_t>(mix(keyword, source, -1) % 30);
}

Item item(std::string_view keyword, Source source, int32_t index) {
    const uint32_t h = mix(keyword, source, index);
    char buf[32];
    Item it;
    std::snprintf(buf, sizeof buf, "%08x", h);
    it.id = buf;
    std::snprintf(buf, sizeof buf, "_%02d", index + 1);
    it.lead = escape_text(keyword);
    it.tail =
        Text("_") + kWords[h % kWords.size()] + buf + kExtensions[(h >> 8) % kExtensions.size()];
    const uint32_t tenths = 5 + (h >> 12) % 7000;  // 0.5MB .. 700.4MB
    std::snprintf(buf, sizeof buf, "%u.%uMB", tenths / 10, tenths % 10);
    it.size = buf;
    std::snprintf(buf, sizeof buf, "2010-%02u-%02u", 1 + (h >> 4) % 12, 1 + (h >> 20) % 28);
    it.date = buf;
    it.downloads = static_cast<int32_t>((h >> 16) % 5000);
    return it;
}

Text escape_text(std::string_view text) {
    // No GBK trail byte lies below 0x40, so a byte-wise walk never splits a
    // character. A NUL would end the page for its reader: it is dropped.
    Text out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
            case '\0':
                break;
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

Text grouped_number(int32_t n) {
    const std::string digits = std::to_string(n);
    Text out;
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0 && digits[i - 1] != '-') out += ',';
        out += digits[i];
    }
    return out;
}

}  // namespace tumbrix::simweb
