#pragma once
// A wait on the GUI thread that keeps handling events: a nested event loop
// that sleeps until the awaited thing happens, its time limit passes, an object
// it depends on is destroyed or shutdown is requested. It never polls.
#include <chrono>
#include <optional>

#include <QEventLoop>
#include <QTimer>

namespace tumbrix {

class EventWait {
  public:
    enum class End { finished, limit, gone, shutdown };

    explicit EventWait(std::chrono::milliseconds limit);
    EventWait(const EventWait&) = delete;
    EventWait& operator=(const EventWait&) = delete;

    // The destruction of `object` ends the wait with End::gone.
    void watch(QObject* object);
    // Ends the wait with End::finished. May come before run(), and from a
    // handler nested inside another wait: this wait then returns as soon as
    // the inner one has.
    void finish() { end(End::finished); }
    // Connection context for the signals that finish this wait: their
    // connections go with it.
    QObject* context() { return &loop_; }

    End run();

  private:
    void end(End how);

    QEventLoop loop_;
    QTimer limit_timer_;
    std::chrono::milliseconds limit_;
    std::optional<End> end_;
};

}  // namespace tumbrix
