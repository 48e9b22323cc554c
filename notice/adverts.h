#pragma once
// The advert panels' handlers, wired to the window's timers and image button.
// All run on the GUI thread. The hyperlink label opens its target by itself.

namespace tumbrix {

// Places of 超级链接框1's top edge: at rest, where a roll turns, where it
// comes back in from.
inline constexpr int kTextAdRest = 424;
inline constexpr int kTextAdTurn = 400;
inline constexpr int kTextAdReenter = 448;

void on_text_ad_roll_tick();  // 时钟1: rolls 超级链接框1 up and back in
void on_next_text_ad_tick();  // 时钟2: the next text advert
void on_picture_ad_tick();    // 时钟4: the next picture advert
void on_web_ad_tick();        // 时钟5: reloads the web advert
void on_picture_ad_click();   // 超级按钮1 clicked: opens the picture advert's link

}  // namespace tumbrix
