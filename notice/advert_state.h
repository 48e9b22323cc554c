#pragma once
// The advert counters and the picture advert's link, owned by the notice
// module. The start-up sequence writes the counts and the picture index on the
// start-up thread before it starts the advert timers; from then on only the
// handlers change them, on the GUI thread. The numbers are atomic because they
// cross that thread boundary; the link never leaves the GUI thread.
#include <atomic>
#include <cstdint>

#include "text/text.h"

namespace tumbrix {

struct AdvertState {
    std::atomic<int32_t> link_ad_index{0};  // text advert shown last, 1-based; 0 before the first
    std::atomic<int32_t> link_ad_count{0};  // number of text adverts
    std::atomic<int32_t> picture_ad_index{0};  // picture advert shown last, 1-based
    std::atomic<int32_t> picture_ad_count{0};  // number of picture adverts
    Text picture_ad_link;                      // link of the picture advert shown last
};

AdvertState& advert_state();

// Back to the start values: every number 0, the link empty. The window calls
// it when it has been created, before it starts the start-up thread.
void reset_advert_state();

// The next 1-based index after `index`, back to 1 past `count`.
inline int32_t next_advert_index(int32_t index, int32_t count) {
    const int32_t next = index + 1;
    return next > count ? 1 : next;
}

}  // namespace tumbrix
