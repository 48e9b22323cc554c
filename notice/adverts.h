#pragma once
// The advert panels' handlers, wired to the window's timers and image button.

namespace tumbrix {

void on_text_ad_roll_tick();  // 时钟1: rolls 超级链接框1 up and back in
void on_next_text_ad_tick();  // 时钟2: the next text advert
void on_picture_ad_tick();    // 时钟4: the next picture advert
void on_web_ad_tick();        // 时钟5: reloads the web advert
void on_picture_ad_click();   // 超级按钮1 clicked: opens the picture advert's link

}  // namespace tumbrix
