#pragma once
// What the simulated web finds for a keyword. Everything follows from the
// keyword's GBK bytes, so the same keyword gives the same results on every
// run, and a test can ask for the results it expects without a server.
//
// Hit counts: the keyword "nothing" (ASCII case ignored, blanks around it
// ignored) finds nothing; a keyword holding "hits" followed by digits finds
// that many ("demo hits50" finds 50, five full pages); any other keyword finds
// 15 to 44, so a search runs out after two to five pages.
#include <cstdint>
#include <string>
#include <string_view>

#include "text/text.h"

namespace tumbrix::simweb {

// The eight search routes, numbered as Tumbrix numbers its sources.
enum class Source { portal = 1, s115, namipan, xun6, rayfile, sina, hotfile, bt };

inline constexpr int32_t kMaxHits = 99'999'999;
inline constexpr int kRowsPerPage = 10;

int32_t hit_count(std::string_view keyword, Source source);

// One result of a search: the parts a page is written from.
struct Item {
    Text id;    // 8 hex digits, unique per keyword, source and index
    Text lead;  // the keyword, escaped for markup
    Text tail;  // "_精选_03.rar": a word, the result's number and an extension
    Text size;  // "12.5MB"
    Text date;  // "2010-05-01"
    int32_t downloads = 0;

    Text name() const { return lead + tail; }
    // The name with the keyword highlighted the way a page marks it.
    Text marked(std::string_view open, std::string_view close) const {
        return Text(open) + lead + Text(close) + tail;
    }
};

// Result `index` (0-based, across pages) of the keyword on the source.
Item item(std::string_view keyword, Source source, int32_t index);

// The keyword as it may stand in a page's text: "&", "<" and ">" escaped, the
// way a search engine echoes what was typed. Quotes stay, as a browser writes
// text back.
Text escape_text(std::string_view text);

// 1234567 as "1,234,567".
Text grouped_number(int32_t n);

uint32_t fnv1a(std::string_view bytes, uint32_t seed = 2166136261u);

}  // namespace tumbrix::simweb
