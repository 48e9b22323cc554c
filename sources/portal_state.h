#pragma once
// The portal pass's page values: the last page as fetched, as GBK text and
// cleaned for the description step. GUI thread only.
#include <cstdint>

#include "text/text.h"

namespace tumbrix {

struct PortalPageState {
    Bytes portal_page_bytes;
    Text portal_page_text;   // the UTF-8 page as GBK text
    Text portal_clean_text;  // portal_page_text without "<b>", "</b>", CR LF and the no-description
                             // notice
    // The row the description step of the current iteration appended, -1
    // when it appended none: the size and link steps write into this row only.
    int32_t iteration_row = -1;
};

PortalPageState& portal_page_state();
void reset_portal_page_state();

}  // namespace tumbrix
