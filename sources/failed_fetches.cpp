#include "sources/failed_fetches.h"

#include "platform/controls.h"

namespace tumbrix {
namespace {
int g_failed_in_a_row[3] = {0, 0, 0};
}

bool too_many_failed_fetches(SearchKind kind, bool fetched_nothing) {
    int& count = g_failed_in_a_row[static_cast<int>(kind)];
    if (page_counter(kind) == 0) count = 0;
    count = fetched_nothing ? count + 1 : 0;
    return count >= kFailedFetchLimit;
}

void end_search_after_failed_fetches(SearchKind kind) {
    status_set_text(0, "状态：连接失败，搜索已停止！");
    set_control_text(Control::按钮1, "开始搜索");
    running_flag(kind) = false;
    set_control_enabled(Control::搜索框, true);
    set_control_visible(Control::图片框1, false);
}

}  // namespace tumbrix
