#include "tools/simweb/png.h"

#include <zlib.h>

#include <array>
#include <string_view>

namespace tumbrix::simweb {
namespace {

void put32(std::string& out, uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) out += static_cast<char>((v >> shift) & 0xFF);
}

void chunk(std::string& out, std::string_view type, std::string_view data) {
    put32(out, static_cast<uint32_t>(data.size()));
    const size_t start = out.size();
    out.append(type);
    out.append(data);
    const auto* crc_from = reinterpret_cast<const Bytef*>(out.data() + start);
    put32(out, static_cast<uint32_t>(crc32(0, crc_from, static_cast<uInt>(out.size() - start))));
}

// A 5 × 7 dot font for the few letters the pictures need; each row is five
// bits, the leftmost dot in the highest bit.
struct Glyph {
    char c;
    std::array<uint8_t, 7> rows;
};
constexpr Glyph kFont[] = {
    {'T', {0x1F, 0x04, 0x04, 0x04, 0x04, 0x04, 0x04}},
    {'U', {0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x0E}},
    {'M', {0x11, 0x1B, 0x15, 0x15, 0x11, 0x11, 0x11}},
    {'B', {0x1E, 0x11, 0x11, 0x1E, 0x11, 0x11, 0x1E}},
    {'R', {0x1E, 0x11, 0x11, 0x1E, 0x14, 0x12, 0x11}},
    {'I', {0x0E, 0x04, 0x04, 0x04, 0x04, 0x04, 0x0E}},
    {'X', {0x11, 0x11, 0x0A, 0x04, 0x0A, 0x11, 0x11}},
    {'A', {0x0E, 0x11, 0x11, 0x1F, 0x11, 0x11, 0x11}},
    {'D', {0x1E, 0x11, 0x11, 0x11, 0x11, 0x11, 0x1E}},
    {'1', {0x04, 0x0C, 0x04, 0x04, 0x04, 0x04, 0x0E}},
    {'2', {0x0E, 0x11, 0x01, 0x02, 0x04, 0x08, 0x1F}},
};

const Glyph* glyph(char c) {
    for (const Glyph& g : kFont)
        if (g.c == c) return &g;
    return nullptr;  // a space
}

}  // namespace

std::string encode_png(int width, int height, const std::vector<uint8_t>& rgb) {
    if (width <= 0 || height <= 0 || rgb.size() != size_t(width) * size_t(height) * 3) return {};
    std::string raw;  // each row: filter type 0, then its pixels
    raw.reserve(rgb.size() + size_t(height));
    for (int y = 0; y < height; ++y) {
        raw += '\0';
        raw.append(reinterpret_cast<const char*>(rgb.data()) + size_t(y) * size_t(width) * 3,
                   size_t(width) * 3);
    }
    uLongf packed_size = compressBound(static_cast<uLong>(raw.size()));
    std::string packed(packed_size, '\0');
    if (compress2(reinterpret_cast<Bytef*>(packed.data()), &packed_size,
                  reinterpret_cast<const Bytef*>(raw.data()), static_cast<uLong>(raw.size()),
                  Z_BEST_COMPRESSION) != Z_OK)
        return {};
    packed.resize(packed_size);

    std::string header;
    put32(header, static_cast<uint32_t>(width));
    put32(header, static_cast<uint32_t>(height));
    header += std::string("\x08\x02\x00\x00\x00",
                          5);  // 8 bits, RGB, deflate, no filter set, no interlace

    std::string png("\x89PNG\r\n\x1A\n", 8);
    chunk(png, "IHDR", header);
    chunk(png, "IDAT", packed);
    chunk(png, "IEND", {});
    return png;
}

std::string advert_picture(int n) {
    if (n < 1 || n > kAdvertPictureCount) return {};
    constexpr int w = kAdvertPictureWidth, h = kAdvertPictureHeight;
    // From one colour on the left to another on the right, per advert.
    const uint8_t from[2][3] = {{0x1E, 0x5A, 0xC8}, {0xE0, 0x6A, 0x10}};
    const uint8_t to[2][3] = {{0x20, 0xB8, 0xC0}, {0xC8, 0x1E, 0x3C}};
    std::vector<uint8_t> rgb(size_t(w) * h * 3);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            for (int k = 0; k < 3; ++k) {
                const bool border = x < 2 || y < 2 || x >= w - 2 || y >= h - 2;
                rgb[(size_t(y) * w + x) * 3 + k] =
                    border ? 0xFF
                           : static_cast<uint8_t>(from[n - 1][k] +
                                                  (to[n - 1][k] - from[n - 1][k]) * x / (w - 1));
            }

    const std::string text = std::string("TUMBRIX AD ") + char('0' + n);
    constexpr int scale = 3, advance = 6 * scale;
    const int left = (w - int(text.size()) * advance + scale) / 2, top = (h - 7 * scale) / 2;
    for (size_t i = 0; i < text.size(); ++i) {
        const Glyph* g = glyph(text[i]);
        if (!g) continue;
        for (int row = 0; row < 7; ++row)
            for (int col = 0; col < 5; ++col) {
                if (!(g->rows[row] & (0x10 >> col))) continue;
                for (int dy = 0; dy < scale; ++dy)
                    for (int dx = 0; dx < scale; ++dx) {
                        const int x = left + int(i) * advance + col * scale + dx;
                        const int y = top + row * scale + dy;
                        for (int k = 0; k < 3; ++k) rgb[(size_t(y) * w + x) * 3 + k] = 0xFF;
                    }
            }
    }
    return encode_png(w, h, rgb);
}

}  // namespace tumbrix::simweb
