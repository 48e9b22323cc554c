#pragma once
// Calls other threads hand to the GUI thread. A caller either waits until its
// call has run there, or posts it and goes on. The handover is guarded by a
// std::mutex, so everything a call captures is safely seen on both sides.
// At shutdown the GUI thread drops the calls still waiting: each waiting
// caller is then released without its call having run.
#include <QObject>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>

namespace tumbrix {

class GuiThreadInbox : public QObject {
  public:
    // Lives in the thread that creates it: the GUI thread.
    explicit GuiThreadInbox(QObject* parent);

    // Caller thread. Runs `call` on the GUI thread and waits for it; false
    // when the call was dropped instead.
    bool run_and_wait(std::function<void()> call);
    // Caller thread. Hands `call` over and returns at once.
    void post(std::function<void()> call);

    // GUI thread. Releases every waiting caller without running its call.
    void drop_waiting();

  protected:
    bool event(QEvent* event) override;

  private:
    class Call;
    void hand_over(std::shared_ptr<Call> call);
    void run_waiting();

    std::mutex mutex_;
    std::deque<std::shared_ptr<Call>> waiting_;
};

}  // namespace tumbrix
