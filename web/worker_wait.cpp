#include "web/worker_wait.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QEventLoop>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <climits>
#include <condition_variable>
#include <mutex>
#include <stop_token>

#include "platform/events.h"
#include "platform/lifetime.h"

namespace tumbrix {
namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

int timer_ms(milliseconds limit) {
    return static_cast<int>(std::clamp<milliseconds::rep>(limit.count(), 0, INT_MAX));
}

// The waits of this thread, innermost first, and when one of them last woke or
// returned. A limit timer may fire while its wait is not the one asleep: inside
// an event handler that runs a wait of its own, a modal loop or a loop of
// requests. The wait that dispatched that handler was woken by an event and
// takes a full limit again once the handler returns, so such a firing does not
// end it; neither does one that comes less than a limit after the thread last
// handled a wake.
struct WaitFrame {
    WaitFrame* outer;
    int loop_level;
};
thread_local WaitFrame* t_innermost = nullptr;
thread_local Clock::time_point t_last_activity;

// No Qt application, so no events to handle: the wait sleeps on the channel.
WaitEnd wait_without_events(RequestChannel& channel, milliseconds limit) {
    std::mutex mutex;
    std::condition_variable woken_cv;
    bool woken = false;
    auto wake = [&] {
        std::lock_guard lock(mutex);
        woken = true;
        woken_cv.notify_all();
    };
    channel.set_waker(wake);
    bool in_time = true;
    {
        std::stop_callback on_shutdown(shutdown_token(), wake);
        std::unique_lock lock(mutex);
        if (!channel.finished()) in_time = woken_cv.wait_for(lock, limit, [&] { return woken; });
    }
    channel.clear_waker();
    if (shutdown_requested()) return WaitEnd::shutdown;
    return in_time ? WaitEnd::worker_finished : WaitEnd::limit_passed;
}

}  // namespace

WaitEnd wait_for_worker(RequestChannel& channel, milliseconds limit) {
    if (!QCoreApplication::instance()) return wait_without_events(channel, limit);
    const QEventLoop prepare;  // gives a thread without one its event dispatcher
    QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance();
    if (!dispatcher) return wait_without_events(channel, limit);

    WaitFrame frame{t_innermost, QThread::currentThread()->loopLevel()};
    t_innermost = &frame;
    t_last_activity = Clock::now();

    bool limit_passed = false;
    QTimer timer;
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        if (t_innermost != &frame || QThread::currentThread()->loopLevel() != frame.loop_level) {
            return;
        }
        const auto quiet = std::chrono::duration_cast<milliseconds>(Clock::now() - t_last_activity);
        if (quiet >= limit) {
            limit_passed = true;
        } else {
            timer.start(std::max(1, timer_ms(limit - quiet)));
        }
    });

    // The worker's end and a shutdown request wake the sleeping dispatcher;
    // wakeUp() may be called from any thread.
    auto wake = [dispatcher] { dispatcher->wakeUp(); };
    channel.set_waker(wake);
    WaitEnd end;
    {
        std::stop_callback on_shutdown(shutdown_token(), wake);
        timer.start(timer_ms(limit));
        for (;;) {
            if (!channel.finished() && !limit_passed && !shutdown_requested()) {
                dispatcher->processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
            }
            process_pending_events();
            t_last_activity = Clock::now();
            if (shutdown_requested()) {
                end = WaitEnd::shutdown;
                break;
            }
            if (limit_passed) {
                end = WaitEnd::limit_passed;
                break;
            }
            if (channel.finished()) {
                end = WaitEnd::worker_finished;
                break;
            }
            // Woken by an event: the next sleep has the full limit again.
            timer.start(timer_ms(limit));
        }
    }
    channel.clear_waker();
    t_innermost = frame.outer;
    t_last_activity = Clock::now();
    return end;
}

}  // namespace tumbrix
