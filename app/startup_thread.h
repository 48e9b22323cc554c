#pragma once
// The start-up thread: runs the start-up sequence once, next to the GUI
// thread. The sequence may be waiting in a web request or for the answer of a
// message box when the program ends; every such wait ends once shutdown is
// requested, so the owner asks for shutdown and then waits for the end.
#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

namespace tumbrix {

class StartupThread {
  public:
    explicit StartupThread(std::function<void()> sequence);
    // Waits for the sequence to end: call wait_for_end first wherever the
    // sequence might still need the GUI thread.
    ~StartupThread();
    StartupThread(const StartupThread&) = delete;
    StartupThread& operator=(const StartupThread&) = delete;

    bool ended() const;
    // Waits until the sequence has returned or `limit` has passed, calling
    // `meanwhile` every few milliseconds (the GUI thread uses it to release the
    // calls the sequence is blocked in). True when the sequence has returned.
    bool wait_for_end(std::chrono::milliseconds limit, const std::function<void()>& meanwhile);

  private:
    struct State {
        std::mutex mutex;
        std::condition_variable done_signal;
        bool done = false;
    };
    std::shared_ptr<State> state_;
    std::thread thread_;
};

}  // namespace tumbrix
