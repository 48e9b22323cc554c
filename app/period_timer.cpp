#include "app/period_timer.h"

namespace tumbrix {

PeriodTimer::PeriodTimer(const QString& name, std::function<void()> on_tick, QObject* parent)
    : QObject(parent), on_tick_(std::move(on_tick)) {
    setObjectName(name);
    timer_.setObjectName(name);
    // The text advert rolls one pixel every 10 ms; a coarse timer would stutter.
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, [this] {
        if (on_tick_) on_tick_();
    });
}

void PeriodTimer::set_period(int milliseconds) {
    if (milliseconds <= 0) {
        timer_.stop();
        period_ = 0;
        return;
    }
    if (milliseconds == period_ && timer_.isActive()) return;
    period_ = milliseconds;
    timer_.start(milliseconds);
}

}  // namespace tumbrix
