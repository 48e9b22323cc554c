#pragma once
// How each engine source's result page is read: the hit-count text, and the
// title, link and size patterns of its rows with what is cut from them. One
// row per source, 2 to 7.
#include <cstdint>
#include <vector>

#include "text/text.h"

namespace tumbrix {

struct Removal {
    Text text;
    bool exact = false;  // false: ASCII letters match regardless of case
};

struct EngineSource {
    int32_t id = 0;
    // The title and link steps search segment 2 of the page (between the
    // first and second "咨询热线："); otherwise the whole page.
    bool reads_segment_2 = false;
    Text hit_pattern;
    Text title_pattern;
    std::vector<Removal> title_removals;  // applied in order, every occurrence
    Text link_pattern;
    Text link_prefix;   // written in front of the captured link
    Text size_pattern;  // always searched in the whole page
};

// The row of `source`, or nullptr outside 2 to 7.
const EngineSource* engine_source(int32_t source);

}  // namespace tumbrix
