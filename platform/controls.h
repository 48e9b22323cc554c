#pragma once
// The control operations: the only way sources/ and notice/ reach the window.
// No Qt here. The main window (app/) implements ControlHost and installs itself;
// tests may install a double. With no host installed every operation does
// nothing and reads give 0, false or the empty text, so a late call during
// shutdown is harmless.
//
// Every operation may be called from the GUI thread or from another thread
// (the start-up thread); the host carries calls from other threads to the GUI
// thread and waits for them there.
#include "text/text.h"

namespace tumbrix {

// The controls other layers name, by their names in the window's design.
enum class Control {
    按钮1,
    搜索框,
    图片框1,
    超级链接框1,
    超级按钮1,
    编辑框1,
    编辑框2,
    超文本浏览框1,
    超文本浏览框2,
    超文本浏览框3,
    时钟1,
    时钟2,
    时钟3,
    时钟4,
    时钟5,
};

class ControlHost {
  public:
    virtual ~ControlHost() = default;

    // Results list 超级列表框1; rows and columns are 0-based.
    virtual void list_clear() = 0;
    virtual int list_insert_row() = 0;  // appends an empty row, returns its index
    virtual void list_set_cell(int row, int column, const Text& text) = 0;  // out of range: nothing
    virtual Text list_cell_text(int row, int column) = 0;                   // out of range: empty
    virtual int list_row_count() = 0;
    virtual int list_selected_row() = 0;  // -1 when none
    virtual int list_column_count() = 0;
    virtual void list_insert_column(int index, const Text& title, int width) = 0;
    virtual void list_delete_column(int index) = 0;

    // Status bar 状态条1; a part outside the bar does nothing.
    virtual void status_set_text(int part, const Text& text) = 0;

    // Moves the caret to the end of an edit box, inserts `text` there and
    // scrolls it into view.
    virtual void edit_append_text(Control box, const Text& text) = 0;

    // Text of an edit box, caption of a button or of the hyperlink label.
    virtual Text text(Control control) = 0;
    virtual void set_text(Control control, const Text& text) = 0;
    virtual bool enabled(Control control) = 0;
    virtual void set_enabled(Control control, bool enabled) = 0;
    virtual bool visible(Control control) = 0;
    virtual void set_visible(Control control, bool visible) = 0;
    // Top edge in the parent's client area, in pixels.
    virtual int top(Control control) = 0;
    virtual void set_top(Control control, int top) = 0;
    // Target address of the hyperlink label 超级链接框1.
    virtual Text link_target(Control control) = 0;
    virtual void set_link_target(Control control, const Text& address) = 0;
    // Timer period in ms: 0 or less stops; a positive value starts or restarts
    // with the new period; writing the current period changes nothing.
    virtual int timer_period(Control timer) = 0;
    virtual void set_timer_period(Control timer, int milliseconds) = 0;
    // Writing a browser box's address makes it load that address, also when
    // it has not changed.
    virtual Text browser_address(Control box) = 0;
    virtual void set_browser_address(Control box, const Text& address) = 0;
    // Picture of the image button 超级按钮1 from the bytes of an image file;
    // empty or undecodable bytes show no picture.
    virtual void set_picture(Control button, const Bytes& image) = 0;

    // Ownerless message box; buttons 0 is OK, 1 is OK and Cancel. Returns 0 for
    // OK and 1 for Cancel. An empty title means "信息：".
    virtual int show_message(const Text& text, int buttons, const Text& title) = 0;
    // Hands an http:// or https:// address to the desktop's browser; anything
    // else is ignored quietly.
    virtual void open_in_browser(const Text& address) = 0;
};

// Installs the host (nullptr uninstalls). Not thread-safe against calls in
// flight: install before the start-up thread starts, uninstall after the
// window is gone.
void install_control_host(ControlHost* host);
ControlHost* control_host();

void list_clear();
int list_insert_row();
void list_set_cell(int row, int column, const Text& text);
Text list_cell_text(int row, int column);
int list_row_count();
int list_selected_row();
int list_column_count();
void list_insert_column(int index, const Text& title, int width);
void list_delete_column(int index);
void status_set_text(int part, const Text& text);
void edit_append_text(Control box, const Text& text);
Text control_text(Control control);
void set_control_text(Control control, const Text& text);
bool control_enabled(Control control);
void set_control_enabled(Control control, bool enabled);
bool control_visible(Control control);
void set_control_visible(Control control, bool visible);
int control_top(Control control);
void set_control_top(Control control, int top);
Text link_target(Control control);
void set_link_target(Control control, const Text& address);
int timer_period(Control timer);
void set_timer_period(Control timer, int milliseconds);
Text browser_address(Control box);
void set_browser_address(Control box, const Text& address);
void set_picture(Control button, const Bytes& image);
int show_message(const Text& text, int buttons = 0, const Text& title = {});
void open_in_browser(const Text& address);

}  // namespace tumbrix
