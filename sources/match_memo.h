#pragma once
// The matches of a pattern over a text, remembered. The row steps of a pass
// search one unchanged page with the same few patterns once per row; the memo
// answers every search after the first from the list it already holds.
#include <string_view>
#include <vector>

#include "text/pattern.h"

namespace tumbrix {

// search_all of `pattern` over `text`. When the pair is not remembered,
// `compiler` is given the pattern and runs the search. A pattern that does not
// compile matches nothing (it never falls back on what `compiler` held before).
// The list stays valid until the next call.
const std::vector<SearchResult>& remembered_search_all(regex& compiler, std::string_view pattern,
                                                       std::string_view text);

void clear_match_memo();

}  // namespace tumbrix
