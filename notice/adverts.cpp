#include "notice/adverts.h"

#include "notice/advert_state.h"
#include "notice/picture_cache.h"
#include "notice/settings_file.h"
#include "platform/controls.h"
#include "platform/files.h"

namespace tumbrix {

// One roll: 24 steps up to the turn, the jump below, 24 steps up to the rest,
// then 时钟2 takes over for the pause.
void on_text_ad_roll_tick() {
    const int top = control_top(Control::超级链接框1);
    if (top > kTextAdTurn) {
        set_control_top(Control::超级链接框1, top - 1);
        if (top - 1 == kTextAdRest) {
            set_timer_period(Control::时钟1, 0);
            set_timer_period(Control::时钟2, 4000);
        }
    } else if (top == kTextAdTurn) {
        set_control_top(Control::超级链接框1, kTextAdReenter);
    }
}

void on_next_text_ad_tick() {
    AdvertState& state = advert_state();
    state.link_ad_index = next_advert_index(state.link_ad_index, state.link_ad_count);
    const TextList pieces =
        text_split(read_setting(number_to_text(state.link_ad_index), "广告"), "|");
    // An entry without both caption and target leaves the label as it is.
    if (pieces.size() >= 2) {
        set_control_text(Control::超级链接框1, pieces[0]);
        set_link_target(Control::超级链接框1, pieces[1]);
    }
    set_timer_period(Control::时钟1, 10);
    set_timer_period(Control::时钟2, 0);
}

void on_picture_ad_tick() {
    AdvertState& state = advert_state();
    state.picture_ad_count = text_to_int(read_setting("图片总数", "计数"));
    state.picture_ad_index = next_advert_index(state.picture_ad_index, state.picture_ad_count);
    // An entry short of its three pieces, or naming no plain file, is passed over.
    const auto ad = read_picture_ad(state.picture_ad_index);
    if (!ad || !files::is_plain_file_name(ad->file_name)) return;
    const auto file = picture_ad_file(ad->file_name);
    set_picture(Control::超级按钮1, file ? files::read_whole_file(*file) : Bytes());
    state.picture_ad_link = ad->link;
}

void on_web_ad_tick() {
    set_browser_address(Control::超文本浏览框2, read_setting("网页", "网页广告"));
}

void on_picture_ad_click() {
    const Text& link = advert_state().picture_ad_link;
    if (!link.empty()) open_in_browser(link);
}

}  // namespace tumbrix
