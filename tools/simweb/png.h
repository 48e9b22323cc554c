#pragma once
// Small PNG pictures for the picture adverts, drawn and encoded here (zlib
// for the compressed data and the checksums) so that the simulated web needs
// no image library and no picture files.
#include <cstdint>
#include <string>
#include <vector>

namespace tumbrix::simweb {

// An 8-bit RGB PNG; `rgb` holds width × height × 3 bytes, row by row.
// Empty when the sizes do not fit the pixels.
std::string encode_png(int width, int height, const std::vector<uint8_t>& rgb);

inline constexpr int kAdvertPictureWidth = 280;
inline constexpr int kAdvertPictureHeight = 70;
inline constexpr int kAdvertPictureCount = 2;

// Picture advert n (1 or 2): a colour band with "TUMBRIX AD n" on it.
// Empty for any other n.
std::string advert_picture(int n);

}  // namespace tumbrix::simweb
