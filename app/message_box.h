#pragma once
// Message boxes. On the GUI thread a box is task-modal: the calling code waits
// until it is closed and the window takes no input meanwhile. A box another
// thread (the start-up thread) asks for is modeless: the window stays usable
// and only the asking thread waits for the answer.
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>

#include "text/text.h"

class QMessageBox;

namespace tumbrix {

enum class MessageIcon { none, question };

struct MessageRequest {
    Text text;
    int buttons = 0;  // 0: OK; 1: OK and Cancel
    Text title;       // empty: "信息："
    MessageIcon icon = MessageIcon::none;
};

// The answer of a box closed without a choice: Cancel where there is one,
// otherwise OK.
int dismissed_answer(int buttons);

// Tests answer boxes with a responder instead of a click: it sees every box
// and returns 0 for OK or 1 for Cancel. An empty responder restores real boxes.
using MessageResponder = std::function<int(const MessageRequest&)>;
void set_message_responder(MessageResponder responder);

// GUI thread. Shows a task-modal box and returns 0 for OK, 1 for Cancel. Once
// shutdown has been requested it returns the dismissed answer at once.
int run_modal_message(const MessageRequest& request);

// GUI thread. Shows a modeless box and calls `answered` exactly once with the
// answer: when the user closes it, with the dismissed answer when the box goes
// without one, or at once when a responder answers. Returns the box, or
// nullptr when none is shown.
QMessageBox* open_modeless_message(const MessageRequest& request,
                                   std::function<void(int)> answered);

// The answer a thread waits for while its modeless box is open.
class MessageAnswer {
  public:
    void set(int answer);
    // Waits for the answer; gives `fallback` as soon as shutdown is requested.
    int wait(int fallback);

  private:
    std::mutex mutex_;
    std::condition_variable answered_;
    std::optional<int> answer_;
};

}  // namespace tumbrix
