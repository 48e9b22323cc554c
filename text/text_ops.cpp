#include "text/text.h"

#include <charconv>
#include <climits>
#include <cstdio>
#include <cstring>

namespace tumbrix {
namespace {

// A text ends at its first NUL, whatever the container holds after it.
std::string_view as_text(std::string_view s) {
    const auto nul = s.find('\0');
    return nul == std::string_view::npos ? s : s.substr(0, nul);
}

bool is_lead(unsigned char c) {
    return c >= 0x80;
}

// Width of the character at i: 2 for a lead byte with a byte after it, 1 for
// an ASCII byte, 0 for a lead byte at the very end (the walk stops there).
size_t char_width(std::string_view t, size_t i) {
    if (!is_lead(static_cast<unsigned char>(t[i]))) return 1;
    return i + 1 < t.size() ? 2 : 0;
}

char fold(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + ('a' - 'A')) : c;
}

// Whether `find` stands at i. Two-byte characters compare exactly; with
// ignore_case single ASCII bytes compare folded, so a trail byte never folds.
bool matches_at(std::string_view t, size_t i, std::string_view find, bool ignore_case) {
    if (find.size() > t.size() - i) return false;
    for (size_t k = 0; k < find.size();) {
        const char f = find[k];
        if (is_lead(static_cast<unsigned char>(f)) && k + 1 < find.size()) {
            if (t[i + k] != f || t[i + k + 1] != find[k + 1]) return false;
            k += 2;
        } else {
            if (ignore_case ? fold(t[i + k]) != fold(f) : t[i + k] != f) return false;
            ++k;
        }
    }
    return true;
}

// Finds `find` at a character boundary at or after byte index `from`; npos if
// none. The walk over the characters begins at `walk`, which must itself be a
// boundary at or before `from` (an earlier match): resuming there instead of
// at the start keeps a replace or split over a long page linear.
size_t find_from(std::string_view t, std::string_view find, size_t from, bool ignore_case,
                 size_t walk = 0) {
    for (size_t i = walk; i < t.size();) {
        const size_t w = char_width(t, i);
        if (w == 0) break;
        if (i >= from && matches_at(t, i, find, ignore_case)) return i;
        i += w;
    }
    return std::string_view::npos;
}

template <typename Map>
Text map_chars(std::string_view text, Map map) {
    const std::string_view t = as_text(text);
    Text out;
    out.reserve(t.size());
    size_t i = 0;
    while (i < t.size()) {
        const size_t w = char_width(t, i);
        if (w == 0) break;
        map(t.substr(i, w), out);
        i += w;
    }
    out.append(t.substr(i));  // a lone lead byte at the end is kept as it is
    return out;
}

int clamp_len(size_t n) {
    return n > INT_MAX ? INT_MAX : static_cast<int>(n);
}

}  // namespace

TextList text_split(std::string_view text, std::string_view delimiter) {
    const std::string_view t = as_text(text);
    const std::string_view d = as_text(delimiter);
    TextList pieces;
    if (t.empty()) return pieces;
    if (d.empty()) return {Text(t)};
    size_t begin = 0;
    for (size_t at = find_from(t, d, 0, false); at != std::string_view::npos;
         at = find_from(t, d, begin, false, at)) {
        pieces.emplace_back(t.substr(begin, at - begin));
        begin = at + d.size();
    }
    if (begin < t.size()) pieces.emplace_back(t.substr(begin));
    return pieces;
}

Text text_replace(std::string_view text, std::string_view find, std::string_view replacement,
                  int start, int count, bool case_sensitive) {
    const std::string_view t = as_text(text);
    const std::string_view f = as_text(find);
    const std::string_view r = as_text(replacement);
    if (t.empty() || f.empty()) return Text(t);
    const size_t from = start < 1 ? 0 : static_cast<size_t>(start - 1);
    Text out;
    out.reserve(t.size());
    size_t copied = 0;
    size_t at = find_from(t, f, from, !case_sensitive);
    while (at != std::string_view::npos && count != 0) {
        out.append(t.substr(copied, at - copied));
        out.append(r);
        copied = at + f.size();
        if (count > 0) --count;
        at = find_from(t, f, copied, !case_sensitive, at);
    }
    out.append(t.substr(copied));
    return out;
}

int text_find(std::string_view text, std::string_view find, int start, bool ignore_case) {
    const std::string_view t = as_text(text);
    const std::string_view f = as_text(find);
    if (f.empty()) return -1;
    const size_t from = start < 1 ? 0 : static_cast<size_t>(start - 1);
    if (from >= t.size()) return -1;
    const size_t at = find_from(t, f, from, ignore_case);
    return at == std::string_view::npos ? -1 : clamp_len(at + 1);
}

Text full_width_fold(std::string_view text) {
    return map_chars(text, [](std::string_view c, Text& out) {
        if (c.size() == 2) {
            const auto a = static_cast<unsigned char>(c[0]);
            const auto b = static_cast<unsigned char>(c[1]);
            if (a == 0xA3 && b >= 0xA1 && b <= 0xFE)
                return out.push_back(static_cast<char>(b - 0x80));
            if (a == 0xA1 && b == 0xA1) return out.push_back(' ');
            if (a == 0xA1 && b == 0xAB) return out.push_back('~');
            if (a == 0xA1 && (b == 0xEE || b == 0xEF)) return out.push_back('*');
        }
        out.append(c);
    });
}

int32_t text_to_int(std::string_view text) {
    const Text t = full_width_fold(text);
    size_t i = 0;
    while (i < t.size() && (t[i] == ' ' || t[i] == '\t' || t[i] == '\r' || t[i] == '\n')) ++i;
    bool negative = false;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) negative = t[i++] == '-';
    int64_t value = 0;
    for (; i < t.size() && t[i] >= '0' && t[i] <= '9'; ++i) {
        value = value * 10 + (t[i] - '0');
        if (value > static_cast<int64_t>(INT32_MAX) + 1)
            value = static_cast<int64_t>(INT32_MAX) + 1;
    }
    if (negative) value = -value;
    if (value > INT32_MAX) return INT32_MAX;
    return static_cast<int32_t>(value);
}

double text_to_number(std::string_view text) {
    const Text t = full_width_fold(text);
    size_t i = 0;
    while (i < t.size() && (t[i] == ' ' || t[i] == '\t' || t[i] == '\r' || t[i] == '\n')) ++i;
    bool negative = false;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) negative = t[i++] == '-';
    // Scan digits, a decimal point and an exponent ourselves, so that "inf",
    // "nan" and hexadecimal forms are not numbers here.
    const size_t begin = i;
    auto digits = [&] {
        const size_t s = i;
        while (i < t.size() && t[i] >= '0' && t[i] <= '9') ++i;
        return i - s;
    };
    size_t mantissa = digits();
    if (i < t.size() && t[i] == '.') {
        ++i;
        mantissa += digits();
    }
    if (mantissa == 0) return 0.0;
    const size_t before_exponent = i;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        ++i;
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
        if (digits() == 0) i = before_exponent;
    }
    double value = 0.0;
    std::from_chars(t.data() + begin, t.data() + i, value, std::chars_format::general);
    return negative ? -value : value;
}

Text left_bytes(std::string_view text, int n) {
    const std::string_view t = as_text(text);
    if (n <= 0) return {};
    return Text(t.substr(0, static_cast<size_t>(n)));
}

Text right_bytes(std::string_view text, int n) {
    const std::string_view t = as_text(text);
    if (n <= 0) return {};
    const size_t k = std::min(t.size(), static_cast<size_t>(n));
    return Text(t.substr(t.size() - k));
}

Text mid_bytes(std::string_view text, int start, int n) {
    const std::string_view t = as_text(text);
    if (start < 1 || static_cast<size_t>(start) > t.size() || n <= 0) return {};
    return Text(t.substr(static_cast<size_t>(start - 1), static_cast<size_t>(n)));
}

int text_byte_length(std::string_view text) {
    return clamp_len(as_text(text).size());
}

Text text_strip_spaces(std::string_view text) {
    return map_chars(text, [](std::string_view c, Text& out) {
        if (c == " " || c == "\xA1\xA1") return;
        out.append(c);
    });
}

Text text_lower(std::string_view text) {
    return map_chars(text, [](std::string_view c, Text& out) {
        if (c.size() == 1 && c[0] >= 'A' && c[0] <= 'Z') return out.push_back(fold(c[0]));
        out.append(c);
    });
}

Text text_upper(std::string_view text) {
    return map_chars(text, [](std::string_view c, Text& out) {
        if (c.size() == 1 && c[0] >= 'a' && c[0] <= 'z')
            return out.push_back(static_cast<char>(c[0] - ('a' - 'A')));
        out.append(c);
    });
}

Text text_replace_range(std::string_view text, int start, int length, std::string_view insert) {
    const std::string_view t = as_text(text);
    const size_t at = std::min(t.size(), start < 1 ? 0 : static_cast<size_t>(start - 1));
    const size_t cut = std::min(t.size() - at, length < 0 ? 0 : static_cast<size_t>(length));
    Text out(t.substr(0, at));
    out.append(as_text(insert));
    out.append(t.substr(at + cut));
    return out;
}

Text bytes_to_text(std::string_view bytes) {
    return Text(as_text(bytes));
}

Text number_to_text(int32_t value) {
    return std::to_string(value);
}

Text number_to_text(double value) {
    char buffer[64];
    const int n = std::snprintf(buffer, sizeof buffer, "%.13g", value);
    return Text(buffer, n > 0 ? static_cast<size_t>(n) : 0);
}

Text blank_text(int n) {
    return n < 1 ? Text() : Text(static_cast<size_t>(n), ' ');
}

Bytes blank_bytes(int n) {
    return n < 1 ? Bytes() : Bytes(static_cast<size_t>(n), '\0');
}

}  // namespace tumbrix
