#include "app/gui_thread_inbox.h"

#include <QCoreApplication>
#include <QEvent>

namespace tumbrix {
namespace {
const QEvent::Type kCallsWaiting = static_cast<QEvent::Type>(QEvent::registerEventType());
}

class GuiThreadInbox::Call {
  public:
    explicit Call(std::function<void()> work) : work_(std::move(work)) {}

    void run() {
        work_();
        finish(true);
    }
    void drop() { finish(false); }
    bool wait() {
        std::unique_lock lock(mutex_);
        finished_signal_.wait(lock, [this] { return finished_; });
        return ran_;
    }

  private:
    void finish(bool ran) {
        std::lock_guard lock(mutex_);
        finished_ = true;
        ran_ = ran;
        finished_signal_.notify_all();
    }

    std::function<void()> work_;
    std::mutex mutex_;
    std::condition_variable finished_signal_;
    bool finished_ = false;
    bool ran_ = false;
};

GuiThreadInbox::GuiThreadInbox(QObject* parent) : QObject(parent) {}

bool GuiThreadInbox::run_and_wait(std::function<void()> work) {
    auto call = std::make_shared<Call>(std::move(work));
    hand_over(call);
    return call->wait();
}

void GuiThreadInbox::post(std::function<void()> work) {
    hand_over(std::make_shared<Call>(std::move(work)));
}

void GuiThreadInbox::hand_over(std::shared_ptr<Call> call) {
    {
        std::lock_guard lock(mutex_);
        waiting_.push_back(std::move(call));
    }
    QCoreApplication::postEvent(this, new QEvent(kCallsWaiting));
}

void GuiThreadInbox::run_waiting() {
    for (;;) {
        std::shared_ptr<Call> next;
        {
            std::lock_guard lock(mutex_);
            if (waiting_.empty()) return;
            next = std::move(waiting_.front());
            waiting_.pop_front();
        }
        next->run();
    }
}

void GuiThreadInbox::drop_waiting() {
    std::deque<std::shared_ptr<Call>> dropped;
    {
        std::lock_guard lock(mutex_);
        dropped.swap(waiting_);
    }
    for (auto& call : dropped) call->drop();
}

bool GuiThreadInbox::event(QEvent* event) {
    if (event->type() != kCallsWaiting) return QObject::event(event);
    run_waiting();
    return true;
}

}  // namespace tumbrix
