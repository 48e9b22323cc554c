#include "platform/controls.h"

#include <atomic>

namespace tumbrix {
namespace {

std::atomic<ControlHost*> g_host{nullptr};

// Runs `call` on the installed host, or returns `fallback` when there is none.
template <typename Call, typename R>
R with_host(Call call, R fallback) {
    ControlHost* host = g_host.load();
    return host ? call(*host) : fallback;
}

template <typename Call>
void with_host(Call call) {
    if (ControlHost* host = g_host.load()) call(*host);
}

}  // namespace

void install_control_host(ControlHost* host) {
    g_host.store(host);
}
ControlHost* control_host() {
    return g_host.load();
}

void list_clear() {
    with_host([](ControlHost& h) { h.list_clear(); });
}
int list_insert_row() {
    return with_host([](ControlHost& h) { return h.list_insert_row(); }, -1);
}
void list_set_cell(int row, int column, const Text& text) {
    with_host([&](ControlHost& h) { h.list_set_cell(row, column, text); });
}
Text list_cell_text(int row, int column) {
    return with_host([&](ControlHost& h) { return h.list_cell_text(row, column); }, Text());
}
int list_row_count() {
    return with_host([](ControlHost& h) { return h.list_row_count(); }, 0);
}
int list_selected_row() {
    return with_host([](ControlHost& h) { return h.list_selected_row(); }, -1);
}
int list_column_count() {
    return with_host([](ControlHost& h) { return h.list_column_count(); }, 0);
}
void list_insert_column(int index, const Text& title, int width) {
    with_host([&](ControlHost& h) { h.list_insert_column(index, title, width); });
}
void list_delete_column(int index) {
    with_host([&](ControlHost& h) { h.list_delete_column(index); });
}
void status_set_text(int part, const Text& text) {
    with_host([&](ControlHost& h) { h.status_set_text(part, text); });
}
void edit_append_text(Control box, const Text& text) {
    with_host([&](ControlHost& h) { h.edit_append_text(box, text); });
}
Text control_text(Control control) {
    return with_host([&](ControlHost& h) { return h.text(control); }, Text());
}
void set_control_text(Control control, const Text& text) {
    with_host([&](ControlHost& h) { h.set_text(control, text); });
}
bool control_enabled(Control control) {
    return with_host([&](ControlHost& h) { return h.enabled(control); }, false);
}
void set_control_enabled(Control control, bool enabled) {
    with_host([&](ControlHost& h) { h.set_enabled(control, enabled); });
}
bool control_visible(Control control) {
    return with_host([&](ControlHost& h) { return h.visible(control); }, false);
}
void set_control_visible(Control control, bool visible) {
    with_host([&](ControlHost& h) { h.set_visible(control, visible); });
}
int control_top(Control control) {
    return with_host([&](ControlHost& h) { return h.top(control); }, 0);
}
void set_control_top(Control control, int top) {
    with_host([&](ControlHost& h) { h.set_top(control, top); });
}
Text link_target(Control control) {
    return with_host([&](ControlHost& h) { return h.link_target(control); }, Text());
}
void set_link_target(Control control, const Text& address) {
    with_host([&](ControlHost& h) { h.set_link_target(control, address); });
}
int timer_period(Control timer) {
    return with_host([&](ControlHost& h) { return h.timer_period(timer); }, 0);
}
void set_timer_period(Control timer, int milliseconds) {
    with_host([&](ControlHost& h) { h.set_timer_period(timer, milliseconds); });
}
Text browser_address(Control box) {
    return with_host([&](ControlHost& h) { return h.browser_address(box); }, Text());
}
void set_browser_address(Control box, const Text& address) {
    with_host([&](ControlHost& h) { h.set_browser_address(box, address); });
}
void set_picture(Control button, const Bytes& image) {
    with_host([&](ControlHost& h) { h.set_picture(button, image); });
}
int show_message(const Text& text, int buttons, const Text& title) {
    return with_host([&](ControlHost& h) { return h.show_message(text, buttons, title); }, 0);
}
void open_in_browser(const Text& address) {
    with_host([&](ControlHost& h) { h.open_in_browser(address); });
}

}  // namespace tumbrix
