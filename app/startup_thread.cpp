#include "app/startup_thread.h"

namespace tumbrix {

StartupThread::StartupThread(std::function<void()> sequence) : state_(std::make_shared<State>()) {
    thread_ = std::thread([state = state_, sequence = std::move(sequence)] {
        try {
            if (sequence) sequence();
        } catch (...) {
            // A failed start-up step shows nothing; the window keeps working.
        }
        std::lock_guard lock(state->mutex);
        state->done = true;
        state->done_signal.notify_all();
    });
}

StartupThread::~StartupThread() {
    if (thread_.joinable()) thread_.join();
}

bool StartupThread::ended() const {
    std::lock_guard lock(state_->mutex);
    return state_->done;
}

bool StartupThread::wait_for_end(std::chrono::milliseconds limit,
                                 const std::function<void()>& meanwhile) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    std::unique_lock lock(state_->mutex);
    while (!state_->done) {
        if (std::chrono::steady_clock::now() >= deadline) return false;
        lock.unlock();
        if (meanwhile) meanwhile();
        lock.lock();
        state_->done_signal.wait_for(lock, std::chrono::milliseconds(5),
                                     [this] { return state_->done; });
    }
    lock.unlock();
    if (thread_.joinable()) thread_.join();
    return true;
}

}  // namespace tumbrix
