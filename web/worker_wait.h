#pragma once
// The caller's side of a timed web request: sleeps until its worker finishes,
// handling the calling thread's events meanwhile.
#include <chrono>

#include "web/request_channel.h"

namespace tumbrix {

enum class WaitEnd { worker_finished, limit_passed, shutdown };

// Sleeps until the worker finishes, an event arrives for the calling thread or
// `limit` passes, then handles every pending event. An event starts the next
// sleep with the full limit again; the other two end the wait, as does a
// shutdown request. When both the worker and the limit are done, the limit
// counts. Works on the GUI thread (waits may nest inside event handlers) and on
// any other thread, with or without a Qt application.
WaitEnd wait_for_worker(RequestChannel& channel, std::chrono::milliseconds limit);

}  // namespace tumbrix
