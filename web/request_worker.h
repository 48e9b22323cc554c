#pragma once
// The HTTP exchange of one timed web request, run on a thread of its own.
#include <chrono>
#include <memory>

#include "web/request_channel.h"

namespace tumbrix {

// Reads the request record from the channel, empties it, performs the exchange
// and leaves exactly the answer record in it; a request that fails early leaves
// it empty. Marks the channel finished when it ends, whatever happened, then
// waits until the caller has released the channel and frees its contents.
void request_worker(std::shared_ptr<RequestChannel> channel);

// Runs request_worker on a detached thread that shares only the channel with
// the caller. False when no thread could be started.
bool start_request_worker(std::shared_ptr<RequestChannel> channel);

// Tells every worker still running to abandon its exchange and waits up to
// `limit` for all of them to end; true when none is left. It runs by itself,
// with a short limit, when the program exits after main returns.
bool end_request_workers(std::chrono::milliseconds limit);

}  // namespace tumbrix
