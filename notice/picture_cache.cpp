#include "notice/picture_cache.h"

#include "notice/advert_state.h"
#include "notice/settings_file.h"
#include "platform/files.h"
#include "platform/folders.h"
#include "platform/lifetime.h"
#include "web/timed_web_request.h"

namespace tumbrix {

std::optional<PictureAd> read_picture_ad(int32_t n) {
    const TextList pieces = text_split(read_setting("图" + number_to_text(n), "图片广告"), "|");
    if (pieces.size() < 3) return std::nullopt;
    return PictureAd{pieces[0], pieces[1], pieces[2]};
}

std::optional<std::filesystem::path> picture_ad_file(const Text& file_name) {
    if (!files::is_plain_file_name(file_name)) return std::nullopt;
    const auto folder = folders::private_folder();
    if (!folder) return std::nullopt;
    return files::path_in(*folder, file_name);
}

void cache_picture_ads() {
    AdvertState& state = advert_state();
    const int32_t count = text_to_int(read_setting("图片总数", "计数"));
    state.picture_ad_count = count;
    for (int32_t i = 0; i < count; ++i) {
        if (shutdown_requested()) return;
        state.picture_ad_index = next_advert_index(state.picture_ad_index, count);
        const auto ad = read_picture_ad(state.picture_ad_index);
        if (!ad) continue;
        const auto file = picture_ad_file(ad->file_name);
        if (!file || files::entry_exists(*file)) continue;
        const Bytes data = timed_web_request(ad->image_address);
        if (!data.empty()) files::write_whole_file(*file, data);
    }
}

}  // namespace tumbrix
