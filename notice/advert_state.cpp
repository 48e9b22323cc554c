#include "notice/advert_state.h"

namespace tumbrix {

AdvertState& advert_state() {
    static AdvertState state;
    return state;
}

void reset_advert_state() {
    AdvertState& s = advert_state();
    s.link_ad_index = 0;
    s.link_ad_count = 0;
    s.picture_ad_index = 0;
    s.picture_ad_count = 0;
    s.picture_ad_link.clear();
}

}  // namespace tumbrix
