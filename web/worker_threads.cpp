// The threads of the request workers. Each is detached: its caller never waits
// for it, and a worker the caller gave up on ends by itself once its exchange
// notices the abandonment. What stays is the program's end: a detached worker
// still inside libcurl when static objects are destroyed could touch freed
// state. So every running worker is counted here, and after main returns the
// count is emptied by telling each worker to abandon and waiting briefly. The
// process-wide HTTP state is never released, so a worker that outlives even
// that wait touches nothing freed before the process is gone.
#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

#include "platform/http_client.h"
#include "web/request_worker.h"

namespace tumbrix {
namespace {

struct Running {
    std::mutex mutex;
    std::condition_variable ended;
    std::vector<RequestChannel*> channels;  // the channels of the running workers
};

// Never destroyed: workers may leave it while the process ends.
Running& running() {
    static Running* instance = new Running;
    return *instance;
}

void leave(RequestChannel* channel) {
    Running& r = running();
    std::lock_guard lock(r.mutex);
    std::erase(r.channels, channel);
    r.ended.notify_all();
}

struct EndAtExit {
    ~EndAtExit() { end_request_workers(std::chrono::seconds(2)); }
};

}  // namespace

bool start_request_worker(std::shared_ptr<RequestChannel> channel) {
    // The HTTP layer first, so that the exit wait below runs before the TLS
    // library tears itself down at exit.
    http::initialize();
    static EndAtExit end_at_exit;

    RequestChannel* key = channel.get();
    {
        Running& r = running();
        std::lock_guard lock(r.mutex);
        r.channels.push_back(key);
    }
    try {
        // The lambda holds the channel until after leave(), so no other
        // channel can take its address while it is counted.
        std::thread([channel]() {
            request_worker(channel);
            leave(channel.get());
        }).detach();
    } catch (const std::system_error&) {
        leave(key);
        return false;
    }
    return true;
}

bool end_request_workers(std::chrono::milliseconds limit) {
    Running& r = running();
    std::unique_lock lock(r.mutex);
    for (RequestChannel* channel : r.channels) channel->abandon();
    return r.ended.wait_for(lock, limit, [&r] { return r.channels.empty(); });
}

}  // namespace tumbrix
