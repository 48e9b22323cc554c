#include "platform/event_wait.h"

#include <QAbstractEventDispatcher>
#include <algorithm>

#include "platform/lifetime.h"

namespace tumbrix {

EventWait::EventWait(std::chrono::milliseconds limit) : limit_(limit) {
    limit_timer_.setSingleShot(true);
    limit_timer_.setTimerType(Qt::PreciseTimer);  // a coarse timer may end a wait early
    QObject::connect(&limit_timer_, &QTimer::timeout, &loop_, [this] { end(End::limit); });
}

void EventWait::watch(QObject* object) {
    if (!object) {
        end(End::gone);
        return;
    }
    QObject::connect(object, &QObject::destroyed, &loop_, [this] { end(End::gone); });
}

void EventWait::end(End how) {
    if (end_) return;
    end_ = how;
    loop_.quit();
}

EventWait::End EventWait::run() {
    if (shutdown_requested()) end(End::shutdown);
    if (end_) return *end_;
    // Shutdown is requested by a handler running inside this loop; the loop
    // looks at it each time it is about to sleep again.
    if (auto* dispatcher = QAbstractEventDispatcher::instance())
        QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, &loop_, [this] {
            if (shutdown_requested()) end(End::shutdown);
        });
    limit_timer_.start(std::max(limit_, std::chrono::milliseconds{0}));
    loop_.exec();
    limit_timer_.stop();
    // exec() also returns, with nothing ended, once the application is quitting.
    return end_.value_or(End::shutdown);
}

}  // namespace tumbrix
