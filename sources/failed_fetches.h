#pragma once
// A search whose pages keep failing stops: three passes in a row whose fetch
// brought nothing at all (failed, refused or timed out) end it with the status
// "状态：连接失败，搜索已停止！" and the idle look.
#include "sources/search_state.h"

namespace tumbrix {

inline constexpr int kFailedFetchLimit = 3;

// Records the outcome of this pass's fetch for `kind` and returns true when
// the search must end now. The count starts afresh with every search: the
// first page of a search is the one at page counter 0.
bool too_many_failed_fetches(SearchKind kind, bool fetched_nothing);

// Ends the search of `kind` after failed fetches: status text, idle look,
// running flag cleared.
void end_search_after_failed_fetches(SearchKind kind);

}  // namespace tumbrix
