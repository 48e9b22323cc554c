#pragma once
// The picture adverts' files in the user's private folder, downloaded once.
#include <filesystem>
#include <optional>

#include "text/text.h"

namespace tumbrix {

// Picture advert n is the value of key "图片广告" in section "图n": image
// address, link and file name, separated by "|". Nothing when the entry has
// fewer than three pieces.
struct PictureAd {
    Text image_address;
    Text link;
    Text file_name;
};
std::optional<PictureAd> read_picture_ad(int32_t n);

// The file of a picture advert in the private folder. Nothing when the name is
// not a plain file name (it comes from a remote page) or the folder cannot be
// used.
std::optional<std::filesystem::path> picture_ad_file(const Text& file_name);

// Reads the picture count, then visits picture adverts 1 .. count through
// picture_ad_index (leaving it at the count) and downloads each picture whose
// file does not exist yet. A download that brings nothing writes no file, so
// the next start tries again.
void cache_picture_ads();

}  // namespace tumbrix
