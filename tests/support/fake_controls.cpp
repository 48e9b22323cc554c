#include "support/fake_controls.h"

namespace tumbrix::testing {

FakeControls::FakeControls() {
    install_control_host(this);
}
FakeControls::~FakeControls() {
    install_control_host(nullptr);
}

std::vector<Text> FakeControls::column(int column) const {
    std::vector<Text> cells;
    for (const auto& row : rows) cells.push_back(row.at(static_cast<size_t>(column)));
    return cells;
}

void FakeControls::list_clear() {
    rows.clear();
}
int FakeControls::list_insert_row() {
    rows.emplace_back(columns.size());
    return static_cast<int>(rows.size()) - 1;
}
void FakeControls::list_set_cell(int row, int column, const Text& text) {
    if (row < 0 || row >= list_row_count() || column < 0 || column >= list_column_count()) return;
    rows[static_cast<size_t>(row)][static_cast<size_t>(column)] = text;
}
Text FakeControls::list_cell_text(int row, int column) {
    if (row < 0 || row >= list_row_count() || column < 0 || column >= list_column_count())
        return {};
    return rows[static_cast<size_t>(row)][static_cast<size_t>(column)];
}
int FakeControls::list_row_count() {
    return static_cast<int>(rows.size());
}
int FakeControls::list_selected_row() {
    return selected_row;
}
int FakeControls::list_column_count() {
    return static_cast<int>(columns.size());
}
void FakeControls::list_insert_column(int index, const Text& title, int) {
    columns.insert(columns.begin() + index, title);
    for (auto& row : rows) row.insert(row.begin() + index, Text());
}
void FakeControls::list_delete_column(int index) {
    columns.erase(columns.begin() + index);
    for (auto& row : rows) row.erase(row.begin() + index);
}
void FakeControls::status_set_text(int part, const Text& text) {
    if (part == 0) status = text;
}
void FakeControls::edit_append_text(Control box, const Text& text) {
    texts[box] += text;
}
Text FakeControls::text(Control control) {
    return texts[control];
}
void FakeControls::set_text(Control control, const Text& text) {
    texts[control] = text;
}
bool FakeControls::enabled(Control control) {
    return !disabled[control];
}
void FakeControls::set_enabled(Control control, bool enabled) {
    disabled[control] = !enabled;
}
bool FakeControls::visible(Control control) {
    const auto it = shown.find(control);
    return it == shown.end() || it->second;
}
void FakeControls::set_visible(Control control, bool visible) {
    shown[control] = visible;
}
int FakeControls::top(Control control) {
    return tops[control];
}
void FakeControls::set_top(Control control, int top) {
    tops[control] = top;
}
Text FakeControls::link_target(Control control) {
    return link_targets[control];
}
void FakeControls::set_link_target(Control control, const Text& address) {
    link_targets[control] = address;
}
int FakeControls::timer_period(Control timer) {
    return periods[timer];
}
void FakeControls::set_timer_period(Control timer, int milliseconds) {
    periods[timer] = milliseconds > 0 ? milliseconds : 0;
}
Text FakeControls::browser_address(Control box) {
    const auto& list = addresses[box];
    return list.empty() ? Text() : list.back();
}
void FakeControls::set_browser_address(Control box, const Text& address) {
    addresses[box].push_back(address);
}
void FakeControls::set_picture(Control button, const Bytes& image) {
    pictures[button] = image;
}
int FakeControls::show_message(const Text& text, int buttons, const Text& title) {
    messages.push_back({text, buttons, title.empty() ? Text("信息：") : title});
    return responder ? responder(messages.back()) : 0;
}
void FakeControls::open_in_browser(const Text& address) {
    opened.push_back(address);
}

}  // namespace tumbrix::testing
