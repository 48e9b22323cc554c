#pragma once
// The shared in-memory host, with one log of the changes the notice module
// makes, in the order it made them, across controls.
#include <string>
#include <vector>

#include "support/fake_controls.h"

namespace tumbrix::testing {

class RecordingHost : public FakeControls {
  public:
    // Every change, as "what control value", in the order made.
    std::vector<std::string> log;
    // Every picture given to the image button, in order.
    std::vector<Bytes> picture_log;

    void set_text(Control control, const Text& text) override {
        FakeControls::set_text(control, text);
        log.push_back("text " + name(control) + " " + text);
    }
    void set_link_target(Control control, const Text& address) override {
        FakeControls::set_link_target(control, address);
        log.push_back("target " + name(control) + " " + address);
    }
    void set_timer_period(Control timer, int milliseconds) override {
        FakeControls::set_timer_period(timer, milliseconds);
        log.push_back("period " + name(timer) + " " + std::to_string(milliseconds));
    }
    void set_browser_address(Control box, const Text& address) override {
        FakeControls::set_browser_address(box, address);
        log.push_back("address " + name(box) + " " + address);
    }
    void set_picture(Control button, const Bytes& image) override {
        FakeControls::set_picture(button, image);
        picture_log.push_back(image);
        log.push_back("picture");
    }
    int show_message(const Text& text, int buttons, const Text& title) override {
        log.push_back("message");
        return FakeControls::show_message(text, buttons, title);
    }
    void open_in_browser(const Text& address) override {
        FakeControls::open_in_browser(address);
        log.push_back("open " + address);
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
            case Control::时钟4:
                return "t4";
            case Control::时钟5:
                return "t5";
            default:
                return "other";
        }
    }
};

}  // namespace tumbrix::testing
