#pragma once
// The search controls: the choice of mode and source, the start/stop button
// with its search loop, the double-click on a result, the search box press and
// the about box. Handlers run on the GUI thread and reach the window through
// the control operations. A pass waits for its page with the event loop
// running, so every handler here can run nested inside a running search.
#include <functional>

#include "sources/search_state.h"

namespace tumbrix {

// The page pass the search loop runs for each kind of search. Tests put
// stand-in passes here; a kind without a pass ends its search at once.
using PagePass = std::function<void()>;
void set_page_pass(SearchKind kind, PagePass pass);
// Back to engine_pass, bt_pass and portal_pass.
void reset_page_passes();

// The window's created event sets these; the buttons checked at start match.
inline constexpr int32_t kStartMode = 1;
inline constexpr int32_t kStartSource = 4;

// 工具条1, by button index: 0 cloud-disk mode, 1 BT mode, 3 the author's page.
void on_mode_button_clicked(int index);
// 工具条2, by button index (see kSourceOfButton).
void on_source_button_clicked(int index);
// 按钮1: starts a search of the kind chosen now, or stops it, then runs the
// search loop until that kind's running flag is clear.
void on_start_button_clicked();
// 超级列表框1 double-clicked: opens the selected row's link.
void on_results_double_clicked();
// Left mouse button pressed on 搜索框: empties it.
void on_search_box_pressed();
// 超级按钮2: the about box.
void on_about_clicked();

// The source each button of 工具条2 selects, by button index.
inline constexpr int32_t kSourceOfButton[] = {4, 2, 3, 6, 5, 1, 7};

}  // namespace tumbrix
