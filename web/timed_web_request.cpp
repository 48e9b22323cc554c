#include "web/timed_web_request.h"

#include <memory>

#include "web/request_channel.h"
#include "web/request_worker.h"
#include "web/worker_wait.h"

namespace tumbrix {
namespace {

constexpr int32_t kDefaultTimeoutSeconds = 90;

}  // namespace

Bytes timed_web_request(const Text& url, const RequestOptions& options) {
    auto channel = std::make_shared<RequestChannel>();
    channel->write_text(kRequestMarker);
    channel->write_text(url);
    for (const auto* field : {&options.method, &options.proxy, &options.user_name,
                              &options.password, &options.extra_headers, &options.post_data}) {
        channel->write_text(field->value_or(Text()));
    }

    int32_t seconds = options.timeout_seconds.value_or(0);
    if (seconds <= 0) seconds = kDefaultTimeoutSeconds;
    const auto limit = std::chrono::milliseconds(static_cast<int64_t>(seconds) * 1000);

    // A worker that cannot be started leaves nothing to wait for: empty bytes.
    const bool started = start_request_worker(channel);
    // However this call ends, the worker learns that the channel is released.
    struct Release {
        RequestChannel& channel;
        ~Release() { channel.release(); }
    } release{*channel};
    const WaitEnd end = started ? wait_for_worker(*channel, limit) : WaitEnd::shutdown;

    Text headers;
    Bytes body;
    if (end == WaitEnd::worker_finished || channel->finished()) {
        // The worker has finished: the channel is the caller's alone until released.
        channel->rewind();
        const Text marker = channel->read_text().value_or(Text());
        headers = channel->read_text().value_or(Text());
        body = channel->read_bytes().value_or(Bytes());
        if (marker != kAnswerMarker) body.clear();
    } else {
        // Given up on: the worker abandons its exchange and frees what it holds;
        // nothing it writes from now on is read.
        channel->abandon();
    }
    if (end != WaitEnd::worker_finished) body.clear();
    if (options.response_headers) *options.response_headers = headers;
    return body;
}

}  // namespace tumbrix
