#pragma once
// The update prompt of the start-up sequence.
#include "text/text.h"

namespace tumbrix {

// True when the value of key "版本更新" in section "更新" of a "配置.ini" in the
// user's documents folder is exactly "1". Tumbrix never writes that file.
bool update_prompt_wanted();

// Asks "版本更新了，是否进行更新？" with OK and Cancel; OK opens piece 2 of
// `update_pieces` when there is one. Waits until the box is closed.
void offer_update(const TextList& update_pieces);

}  // namespace tumbrix
