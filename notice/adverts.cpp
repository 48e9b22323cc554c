#include "notice/adverts.h"

namespace tumbrix {

// Not built yet: the timers are never started, so these never run.
void on_text_ad_roll_tick() {}
void on_next_text_ad_tick() {}
void on_picture_ad_tick() {}
void on_web_ad_tick() {}
void on_picture_ad_click() {}

}  // namespace tumbrix
