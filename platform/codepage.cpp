#include "platform/codepage.h"

#include <iconv.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>

namespace tumbrix::codepage {
namespace {

bool is_high_surrogate(const char* p) {
    return (static_cast<unsigned char>(p[1]) & 0xFC) == 0xD8;
}
bool is_low_surrogate(const char* p) {
    return (static_cast<unsigned char>(p[1]) & 0xFC) == 0xDC;
}

// One conversion descriptor per call: iconv_t is not safe to share between
// threads, and opening one is cheap next to the page it converts.
class Converter {
  public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
        if (cd_ == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error(std::string("iconv cannot convert ") + from + " to " + to);
    }
    ~Converter() { iconv_close(cd_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts `in`; on an invalid or unmappable character writes `replacement`
    // (already in the target encoding) and skips that character: one byte of
    // byte input, one UTF-16 unit or surrogate pair of UTF-16LE input.
    std::string run(std::string_view in, std::string_view replacement, bool utf16_input) {
        std::string out;
        out.reserve(in.size() * 2 + 16);
        char* src = const_cast<char*>(in.data());
        size_t src_left = in.size();
        char buffer[4096];
        while (src_left > 0) {
            char* dst = buffer;
            size_t dst_left = sizeof buffer;
            const size_t rc = iconv(cd_, &src, &src_left, &dst, &dst_left);
            out.append(buffer, static_cast<size_t>(dst - buffer));
            if (rc != static_cast<size_t>(-1)) break;
            if (errno == E2BIG) continue;
            // EILSEQ or EINVAL (truncated sequence at the end): replace and move on.
            out.append(replacement);
            size_t step = utf16_input ? 2 : 1;
            if (utf16_input && src_left >= 4 && is_high_surrogate(src) && is_low_surrogate(src + 2))
                step = 4;
            step = std::min(step, src_left);
            src += step;
            src_left -= step;
        }
        char* dst = buffer;
        size_t dst_left = sizeof buffer;
        iconv(cd_, nullptr, nullptr, &dst, &dst_left);  // flush any shift state
        out.append(buffer, static_cast<size_t>(dst - buffer));
        return out;
    }

  private:
    iconv_t cd_;
};

const char kReplacement16[] = {'\xFD', '\xFF'};  // U+FFFD, little-endian

std::u16string to_u16(const std::string& bytes) {
    std::u16string out(bytes.size() / 2, u'\0');
    std::memcpy(out.data(), bytes.data(), out.size() * 2);
    return out;
}

std::string_view as_bytes(std::u16string_view s) {
    return {reinterpret_cast<const char*>(s.data()), s.size() * 2};
}

}  // namespace

std::u16string gbk_to_utf16(std::string_view gbk) {
    return to_u16(Converter("UTF-16LE", "CP936").run(gbk, {kReplacement16, 2}, false));
}

std::string utf16_to_gbk(std::u16string_view utf16) {
    return Converter("CP936", "UTF-16LE").run(as_bytes(utf16), "?", true);
}

std::u16string utf8_to_utf16(std::string_view utf8) {
    return to_u16(Converter("UTF-16LE", "UTF-8").run(utf8, {kReplacement16, 2}, false));
}

std::string utf16_to_utf8(std::u16string_view utf16) {
    return Converter("UTF-8", "UTF-16LE").run(as_bytes(utf16), "\xEF\xBF\xBD", true);
}

std::string utf8_to_gbk(std::string_view utf8) {
    return utf16_to_gbk(utf8_to_utf16(utf8));
}

std::string gbk_to_utf8(std::string_view gbk) {
    return utf16_to_utf8(gbk_to_utf16(gbk));
}

}  // namespace tumbrix::codepage
