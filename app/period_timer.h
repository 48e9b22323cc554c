#pragma once
// A timer driven by its period, as the advert panels use it: 0 or less stops
// it, a positive value starts it or restarts it with the new period, and
// writing the period it already has changes nothing (no restart, same phase).
#include <QObject>
#include <QTimer>
#include <functional>

namespace tumbrix {

class PeriodTimer : public QObject {
    Q_OBJECT
  public:
    // `on_tick` may be empty: the timer then ticks without a handler.
    PeriodTimer(const QString& name, std::function<void()> on_tick, QObject* parent);

    int period() const { return period_; }
    void set_period(int milliseconds);
    bool running() const { return timer_.isActive(); }
    // Time left until the next tick; -1 when stopped.
    int remaining_ms() const { return timer_.remainingTime(); }

  private:
    QTimer timer_;
    int period_ = 0;
    std::function<void()> on_tick_;
};

}  // namespace tumbrix
