#include "app/search_control.h"

#include <tumbrix/endpoints.h>

#include <array>
#include <iterator>

#include "app/message_box.h"
#include "platform/controls.h"
#include "platform/lifetime.h"
#include "sources/bt_pass.h"
#include "sources/engine_pass.h"
#include "sources/portal_pass.h"

namespace tumbrix {
namespace {

constexpr const char* kStartCaption = "开始搜索";
constexpr const char* kStopCaption = "停止搜索";
constexpr const char* kStatusIdle = "状态：";

std::array<PagePass, 3> g_passes;
bool g_passes_set = false;

size_t slot(SearchKind kind) {
    return static_cast<size_t>(kind);
}

PagePass& pass_of(SearchKind kind) {
    if (!g_passes_set) reset_page_passes();
    return g_passes[slot(kind)];
}

void show_running_look() {
    set_control_enabled(Control::搜索框, false);
    set_control_visible(Control::图片框1, true);
    set_control_text(Control::按钮1, kStopCaption);
}

void show_idle_look() {
    set_control_text(Control::按钮1, kStartCaption);
    set_control_enabled(Control::搜索框, true);
    set_control_visible(Control::图片框1, false);
}

void run_page_pass(SearchKind kind) {
    // A copy: a nested handler may replace the table entry while the pass runs.
    PagePass pass = pass_of(kind);
    if (pass) {
        pass();
    } else {
        running_flag(kind) = false;
    }
}

}  // namespace

void set_page_pass(SearchKind kind, PagePass pass) {
    if (!g_passes_set) reset_page_passes();
    g_passes[slot(kind)] = std::move(pass);
}

void reset_page_passes() {
    g_passes[slot(SearchKind::portal)] = portal_pass;
    g_passes[slot(SearchKind::engine)] = engine_pass;
    g_passes[slot(SearchKind::bt)] = bt_pass;
    g_passes_set = true;
}

void on_mode_button_clicked(int index) {
    SearchState& state = search_state();
    switch (index) {
        case 0:
            state.search_mode = 1;
            list_clear();
            if (list_column_count() != 3) list_insert_column(1, "文件大小", 160);
            break;
        case 1:
            state.search_mode = 2;
            list_clear();
            if (list_column_count() == 3) list_delete_column(1);
            break;
        case 3:
            open_in_browser(endpoints::kAuthorUrl);
            break;
        default:
            break;
    }
}

void on_source_button_clicked(int index) {
    if (index < 0 || index >= static_cast<int>(std::size(kSourceOfButton))) return;
    search_state().current_source = kSourceOfButton[index];
    if (index == 3) {
        show_message("如果新浪爱问出现长时间没反应，就说明没有搜索到相关的内容，请更换关键字！", 0);
    }
}

void on_start_button_clicked() {
    const SearchState& state = search_state();
    const SearchKind kind = search_kind(state.search_mode, state.current_source);
    if (control_text(Control::搜索框).empty()) {
        show_message("关键字不能为空！", 0);
        return;
    }
    if (control_text(Control::按钮1) == kStartCaption) {
        show_running_look();
        status_set_text(0, kStatusIdle);
        list_clear();
        page_counter(kind) = -10;
        running_flag(kind) = true;
    } else {
        show_idle_look();
        status_set_text(0, kStatusIdle);
        running_flag(kind) = false;
        page_counter(kind) = -10;
    }
    // The kind stays the one taken above, whatever is chosen meanwhile. A
    // closed window clears the flags; the shutdown test also ends a loop
    // whose pass sets nothing.
    while (running_flag(kind) && !shutdown_requested()) run_page_pass(kind);
}

void on_results_double_clicked() {
    const int32_t mode = search_state().search_mode;
    const int link_column = mode == 1 ? 2 : mode == 2 ? 1 : -1;
    if (link_column < 0) return;
    open_in_browser(list_cell_text(list_selected_row(), link_column));
}

void on_search_box_pressed() {
    set_control_text(Control::搜索框, "");
}

void on_about_clicked() {
    MessageRequest about;
    about.title = "友情提醒";
    about.icon = MessageIcon::question;
    about.text = Text("作者：Tumbrix 开发组　主页：") + endpoints::kAuthorUrl +
                 "\n\n免责声明：本软件只是一个搜索工具，搜索结果全部来自互联网上的公开网页，"
                 "与作者无关。请遵守法律法规，勿用于下载或传播侵权、违法内容。";
    run_modal_message(about);
}

}  // namespace tumbrix
