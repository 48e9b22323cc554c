#include "platform/profile_file.h"

#include "platform/files.h"

namespace tumbrix {
namespace {

bool is_blank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

// Blank bytes are below 0x40, so they are never the trail byte of a GBK
// character and can be cut byte by byte.
std::string_view trim(std::string_view s) {
    while (!s.empty() && is_blank(s.front())) s.remove_prefix(1);
    while (!s.empty() && is_blank(s.back())) s.remove_suffix(1);
    return s;
}

bool same_name(std::string_view a, std::string_view b) {
    return a.size() == b.size() && text_lower(a) == text_lower(b);
}

Text value_of(std::string_view raw) {
    std::string_view value = trim(raw);
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        value = value.substr(1, value.size() - 2);
    }
    value = value.substr(0, value.find('\0'));
    if (value.size() > static_cast<size_t>(kProfileValueLimit))
        value = value.substr(0, kProfileValueLimit);
    return Text(value);
}

}  // namespace

Text read_profile_string(const std::filesystem::path& file, std::string_view section,
                         std::string_view key) {
    if (section.empty() || key.empty()) return {};
    const Bytes content = files::read_whole_file(file);
    const std::string_view all = content;
    bool in_section = false;
    for (size_t begin = 0; begin < all.size();) {
        size_t end = all.find('\n', begin);
        if (end == std::string_view::npos) end = all.size();
        const std::string_view line = trim(all.substr(begin, end - begin));
        begin = end + 1;
        if (line.empty()) continue;

        if (line.front() == '[') {
            // "]" may be the trail byte of a GBK character: look for it by character.
            const int close = text_find(line, "]", 2);
            if (close != -1) {
                const std::string_view name = trim(line.substr(1, static_cast<size_t>(close) - 2));
                in_section = same_name(name, section);
                continue;
            }
        }
        if (!in_section) continue;
        const int equals = text_find(line, "=");
        if (equals == -1) continue;
        if (!same_name(trim(line.substr(0, static_cast<size_t>(equals) - 1)), key)) continue;
        return value_of(line.substr(static_cast<size_t>(equals)));
    }
    return {};
}

}  // namespace tumbrix
