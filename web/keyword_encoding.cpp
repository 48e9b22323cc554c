#include "web/keyword_encoding.h"

#include <cstring>

#include "platform/codepage.h"
#include "platform/controls.h"

namespace tumbrix {
namespace {

bool is_unreserved(char32_t c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
           std::strchr("-_.!~*'()", static_cast<int>(c)) != nullptr;
}

void append_percent(Text& out, unsigned byte) {
    static const char kHex[] = "0123456789ABCDEF";
    out.push_back('%');
    out.push_back(kHex[byte >> 4]);
    out.push_back(kHex[byte & 0xF]);
}

void append_utf8(Text& out, char32_t c) {
    if (c < 0x80) {
        append_percent(out, c);
    } else if (c < 0x800) {
        append_percent(out, 0xC0 | (c >> 6));
        append_percent(out, 0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        append_percent(out, 0xE0 | (c >> 12));
        append_percent(out, 0x80 | ((c >> 6) & 0x3F));
        append_percent(out, 0x80 | (c & 0x3F));
    } else {
        append_percent(out, 0xF0 | (c >> 18));
        append_percent(out, 0x80 | ((c >> 12) & 0x3F));
        append_percent(out, 0x80 | ((c >> 6) & 0x3F));
        append_percent(out, 0x80 | (c & 0x3F));
    }
}

}  // namespace

Text encode_uri_component(std::u16string_view text) {
    Text out;
    out.reserve(text.size() * 3);
    for (size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xDC00 && c <= 0xDFFF) return {};  // a trail surrogate alone
        if (c >= 0xD800 && c <= 0xDBFF) {
            if (i + 1 >= text.size() || text[i + 1] < 0xDC00 || text[i + 1] > 0xDFFF) return {};
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
        }
        if (c < 0x80 && is_unreserved(c))
            out.push_back(static_cast<char>(c));
        else
            append_utf8(out, c);
    }
    return out;
}

Text encode_keyword() {
    return encode_uri_component(codepage::gbk_to_utf16(control_text(Control::搜索框)));
}

Text utf8_to_local_text(std::string_view page) {
    // A page ends at its first zero byte; the zero appended after an ASCII
    // last byte changes nothing else, so decoding the page and cutting at the
    // first zero unit gives the same text.
    std::string data(page);
    const auto last = data.empty() ? 0u : static_cast<unsigned char>(data.back());
    if (last < 127) data.push_back('\0');
    const std::u16string wide = codepage::utf8_to_utf16(data);
    return wide_to_local_text(
        std::string_view(reinterpret_cast<const char*>(wide.data()), wide.size() * 2));
}

Text wide_to_local_text(std::string_view wide) {
    std::u16string units(wide.size() / 2, u'\0');
    std::memcpy(units.data(), wide.data(), units.size() * 2);
    const size_t zero = units.find(u'\0');
    if (zero != std::u16string::npos) units.resize(zero);
    Text out = codepage::utf16_to_gbk(units);
    if (out.size() > wide.size()) out.resize(wide.size());
    return bytes_to_text(out);
}

}  // namespace tumbrix
