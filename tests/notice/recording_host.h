#pragma once
// A ControlHost double for the notice tests: it keeps each control's state,
// logs every change in the order it came, and answers message boxes through a
// responder. Calls may come from the start-up thread, so it locks.
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "platform/controls.h"

namespace tumbrix::testing {

struct Message {
    Text text;
    int buttons;
    Text title;
};

class RecordingHost : public ControlHost {
  public:
    RecordingHost() { install_control_host(this); }
    ~RecordingHost() override { install_control_host(nullptr); }

    // Answers show_message; OK (0) when none is set.
    std::function<int(const Message&)> responder;

    // Every change, as "what control value", in the order made.
    std::vector<std::string> log() const {
        std::lock_guard lock(mutex_);
        return log_;
    }
    std::vector<Message> messages() const {
        std::lock_guard lock(mutex_);
        return messages_;
    }
    std::vector<Text> opened() const {
        std::lock_guard lock(mutex_);
        return opened_;
    }
    std::vector<Bytes> pictures() const {
        std::lock_guard lock(mutex_);
        return pictures_;
    }

    void list_clear() override {}
    int list_insert_row() override { return -1; }
    void list_set_cell(int, int, const Text&) override {}
    Text list_cell_text(int, int) override { return {}; }
    int list_row_count() override { return 0; }
    int list_selected_row() override { return -1; }
    int list_column_count() override { return 0; }
    void list_insert_column(int, const Text&, int) override {}
    void list_delete_column(int) override {}
    void status_set_text(int, const Text&) override {}

    void edit_append_text(Control box, const Text& text) override {
        std::lock_guard lock(mutex_);
        texts_[box] += text;
    }
    Text text(Control control) override {
        std::lock_guard lock(mutex_);
        return texts_[control];
    }
    void set_text(Control control, const Text& text) override {
        std::lock_guard lock(mutex_);
        texts_[control] = text;
        log_.push_back("text " + name(control) + " " + text);
    }
    bool enabled(Control) override { return true; }
    void set_enabled(Control, bool) override {}
    bool visible(Control) override { return true; }
    void set_visible(Control, bool) override {}
    int top(Control control) override {
        std::lock_guard lock(mutex_);
        return tops_[control];
    }
    void set_top(Control control, int top) override {
        std::lock_guard lock(mutex_);
        tops_[control] = top;
    }
    Text link_target(Control control) override {
        std::lock_guard lock(mutex_);
        return targets_[control];
    }
    void set_link_target(Control control, const Text& address) override {
        std::lock_guard lock(mutex_);
        targets_[control] = address;
        log_.push_back("target " + name(control) + " " + address);
    }
    int timer_period(Control timer) override {
        std::lock_guard lock(mutex_);
        return periods_[timer];
    }
    void set_timer_period(Control timer, int milliseconds) override {
        std::lock_guard lock(mutex_);
        periods_[timer] = milliseconds;
        log_.push_back("period " + name(timer) + " " + std::to_string(milliseconds));
    }
    Text browser_address(Control box) override {
        std::lock_guard lock(mutex_);
        return addresses_[box];
    }
    void set_browser_address(Control box, const Text& address) override {
        std::lock_guard lock(mutex_);
        addresses_[box] = address;
        log_.push_back("address " + name(box) + " " + address);
    }
    void set_picture(Control, const Bytes& image) override {
        std::lock_guard lock(mutex_);
        pictures_.push_back(image);
        log_.push_back("picture");
    }
    int show_message(const Text& text, int buttons, const Text& title) override {
        Message message{text, buttons, title};
        {
            std::lock_guard lock(mutex_);
            messages_.push_back(message);
            log_.push_back("message");
        }
        return responder ? responder(message) : 0;
    }
    void open_in_browser(const Text& address) override {
        std::lock_guard lock(mutex_);
        opened_.push_back(address);
        log_.push_back("open " + address);
    }

  private:
    static std::string name(Control control) {
        switch (control) {
            case Control::超级链接框1:
                return "link";
            case Control::超文本浏览框2:
                return "web";
            case Control::超文本浏览框3:
                return "popup";
            case Control::时钟1:
                return "t1";
            case Control::时钟2:
                return "t2";
            case Control::时钟3:
                return "t3";
            case Control::时钟4:
                return "t4";
            case Control::时钟5:
                return "t5";
            default:
                return "other";
        }
    }

    mutable std::mutex mutex_;
    std::map<Control, Text> texts_;
    std::map<Control, Text> targets_;
    std::map<Control, Text> addresses_;
    std::map<Control, int> tops_;
    std::map<Control, int> periods_;
    std::vector<std::string> log_;
    std::vector<Message> messages_;
    std::vector<Text> opened_;
    std::vector<Bytes> pictures_;
};

}  // namespace tumbrix::testing
