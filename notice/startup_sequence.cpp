#include "notice/startup_sequence.h"

#include <tumbrix/endpoints.h>

#include "notice/advert_state.h"
#include "notice/picture_cache.h"
#include "notice/settings_file.h"
#include "notice/update_prompt.h"
#include "platform/controls.h"
#include "platform/lifetime.h"
#include "web/timed_web_request.h"

namespace tumbrix {

void run_startup_sequence() {
    run_startup_sequence_from(endpoints::kNoticeUrl);
}

void run_startup_sequence_from(const Text& notice_url) {
    if (notice_url.empty()) return;
    const Bytes body = timed_web_request(notice_url);
    if (shutdown_requested()) return;

    // The settings ride between the first two "qwe" of the page, lines
    // separated by "$"; a page without that piece changes nothing.
    const TextList pieces = text_split(bytes_to_text(body), "qwe");
    if (pieces.size() < 2 || pieces[1].empty()) return;
    const Text settings = text_replace(pieces[1], "<br>", "", 1, -1, false);
    for (const Text& line : text_split(settings, "$")) {
        edit_append_text(Control::编辑框1, line + "\r\n");
    }
    write_settings_file(control_text(Control::编辑框1));

    set_browser_address(Control::超文本浏览框3, read_setting("弹窗", "弹窗广告"));
    const TextList update_pieces = text_split(read_setting("更新", "版本更新"), "|");
    cache_picture_ads();
    if (shutdown_requested()) return;
    if (update_prompt_wanted()) offer_update(update_pieces);

    AdvertState& state = advert_state();
    state.link_ad_count = text_to_int(read_setting("总数", "次数"));
    if (state.link_ad_count == 0) return;
    set_timer_period(Control::时钟1, 10);
    set_timer_period(Control::时钟4, 4000);
    set_browser_address(Control::超文本浏览框2, read_setting("网页", "网页广告"));
    set_timer_period(Control::时钟5, 10000);
}

}  // namespace tumbrix
