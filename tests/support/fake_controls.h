#pragma once
// An in-memory ControlHost for tests that need no real window: it keeps the
// list, captions, states, timer periods and browser addresses, answers message
// boxes through a responder and records what would be opened in a browser.
// Installs itself on construction and uninstalls on destruction.
#include <functional>
#include <map>
#include <vector>

#include "platform/controls.h"

namespace tumbrix::testing {

class FakeControls : public ControlHost {
  public:
    struct Message {
        Text text;
        int buttons;
        Text title;
    };

    FakeControls();
    ~FakeControls() override;

    std::vector<std::vector<Text>> rows;
    std::vector<Text> columns{"资源文件名称", "文件大小", "地址"};
    int selected_row = -1;
    Text status;
    std::map<Control, Text> texts;
    std::map<Control, bool> disabled;  // absent: enabled
    std::map<Control, bool> shown;     // absent: visible
    std::map<Control, int> tops;
    std::map<Control, Text> link_targets;
    std::map<Control, int> periods;
    std::map<Control, std::vector<Text>> addresses;  // every address written, in order
    std::map<Control, Bytes> pictures;
    std::vector<Message> messages;
    std::vector<Text> opened;
    // Decides the answer of each message box (0 OK, 1 Cancel); OK by default.
    std::function<int(const Message&)> responder;

    // Column `column` of every row, top to bottom.
    std::vector<Text> column(int column) const;

    void list_clear() override;
    int list_insert_row() override;
    void list_set_cell(int row, int column, const Text& text) override;
    Text list_cell_text(int row, int column) override;
    int list_row_count() override;
    int list_selected_row() override;
    int list_column_count() override;
    void list_insert_column(int index, const Text& title, int width) override;
    void list_delete_column(int index) override;
    void status_set_text(int part, const Text& text) override;
    void edit_append_text(Control box, const Text& text) override;
    Text text(Control control) override;
    void set_text(Control control, const Text& text) override;
    bool enabled(Control control) override;
    void set_enabled(Control control, bool enabled) override;
    bool visible(Control control) override;
    void set_visible(Control control, bool visible) override;
    int top(Control control) override;
    void set_top(Control control, int top) override;
    Text link_target(Control control) override;
    void set_link_target(Control control, const Text& address) override;
    int timer_period(Control timer) override;
    void set_timer_period(Control timer, int milliseconds) override;
    Text browser_address(Control box) override;
    void set_browser_address(Control box, const Text& address) override;
    void set_picture(Control button, const Bytes& image) override;
    int show_message(const Text& text, int buttons, const Text& title) override;
    void open_in_browser(const Text& address) override;
};

}  // namespace tumbrix::testing
