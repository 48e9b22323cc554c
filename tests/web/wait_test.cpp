// The caller's wait: its limit, the re-arm by events, nesting on one thread,
// requests from two threads, abandoned workers and the program's end.
#include <gtest/gtest.h>

#include <QTimer>
#include <atomic>
#include <chrono>
#include <thread>

#include "platform/lifetime.h"
#include "raw_server.h"
#include "test_hooks_guard.h"
#include "web/request_worker.h"
#include "web/timed_web_request.h"

namespace tumbrix {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using testing::RawReply;
using testing::RawServer;

Text local_url(const RawServer& server, const Text& path = "/") {
    return "http://127.0.0.1:" + std::to_string(server.port()) + path;
}

RawServer::Script silent() {
    return [](const std::string&) {
        RawReply reply;
        reply.silent = true;
        return reply;
    };
}

RawServer::Script answer_after(std::chrono::milliseconds delay, std::string body) {
    return [=](const std::string&) {
        return RawReply{testing::http_response("200 OK", "", body), false, delay};
    };
}

double seconds_since(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

RequestOptions limit_of(int32_t seconds) {
    RequestOptions o;
    o.timeout_seconds = seconds;
    return o;
}

TEST(Wait, LimitOnASilentServerGivesEmptyBytes) {
    RawServer server(silent());
    Text headers = "untouched";
    RequestOptions options = limit_of(1);
    options.response_headers = &headers;
    const auto start = Clock::now();
    EXPECT_EQ(timed_web_request(local_url(server), options), "");
    const double waited = seconds_since(start);
    EXPECT_GE(waited, 0.99);
    EXPECT_LT(waited, 5.0);
    EXPECT_EQ(headers, "");
}

TEST(Wait, ZeroOrNegativeLimitMeansTheDefault) {
    RawServer server(answer_after(1200ms, "answer"));
    for (const int32_t seconds : {0, -5}) {
        SCOPED_TRACE(seconds);
        EXPECT_EQ(timed_web_request(local_url(server), limit_of(seconds)), "answer");
    }
}

TEST(Wait, EventsOfTheCallingThreadRearmTheLimit) {
    // The answer comes after 2.5 s; the limit is 1 s, but a timer of the calling
    // thread fires every 300 ms and each firing starts a new wait.
    RawServer server(answer_after(2500ms, "late"));
    QTimer ticker;
    int ticks = 0;
    QObject::connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
    ticker.start(300);
    EXPECT_EQ(timed_web_request(local_url(server), limit_of(1)), "late");
    EXPECT_GE(ticks, 5);
}

TEST(Wait, WithoutEventsTheLimitEndsALateAnswer) {
    RawServer server(answer_after(2500ms, "late"));
    EXPECT_EQ(timed_web_request(local_url(server), limit_of(1)), "");
}

TEST(Wait, HardLimitEndsAWorkerThatEventsKeepAlive) {
    http::test_hooks::Limits limits;
    limits.total = 1500ms;
    const testing::LimitsGuard guard(limits);
    RawServer server(silent());
    QTimer ticker;
    ticker.start(200);
    const auto start = Clock::now();
    EXPECT_EQ(timed_web_request(local_url(server), limit_of(1)), "");
    EXPECT_LT(seconds_since(start), 10.0);
}

TEST(Wait, RequestsNestOnOneThread) {
    RawServer slow(answer_after(1500ms, "outer"));
    RawServer fast(answer_after(0ms, "inner"));
    Bytes inner;
    bool inner_done_first = false;
    bool outer_returned = false;
    QTimer::singleShot(100, [&] {
        inner = timed_web_request(local_url(fast));
        inner_done_first = !outer_returned;
    });
    EXPECT_EQ(timed_web_request(local_url(slow)), "outer");
    outer_returned = true;
    EXPECT_EQ(inner, "inner");
    EXPECT_TRUE(inner_done_first);
}

TEST(Wait, TimeInsideAHandlerDoesNotCountAgainstTheOuterLimit) {
    // The outer wait (limit 1 s) is woken at 100 ms by a timer whose handler
    // runs a 2 s request of its own. The event re-arms the outer wait once the
    // handler returns, so the outer answer at 2.5 s still arrives in time.
    RawServer outer_server(answer_after(2500ms, "outer"));
    RawServer inner_server(answer_after(2000ms, "inner"));
    Bytes inner;
    QTimer::singleShot(100, [&] { inner = timed_web_request(local_url(inner_server)); });
    EXPECT_EQ(timed_web_request(local_url(outer_server), limit_of(1)), "outer");
    EXPECT_EQ(inner, "inner");
}

TEST(Wait, SecondThreadRequestsWhileTheGuiThreadWaits) {
    RawServer slow(answer_after(1500ms, "gui"));
    RawServer fast(answer_after(0ms, "startup"));
    std::atomic<bool> gui_returned{false};
    Bytes other;
    bool other_first = false;
    std::thread startup([&] {
        other = timed_web_request(local_url(fast));
        other_first = !gui_returned.load();
    });
    EXPECT_EQ(timed_web_request(local_url(slow)), "gui");
    gui_returned = true;
    startup.join();
    EXPECT_EQ(other, "startup");
    EXPECT_TRUE(other_first);
}

TEST(Wait, AbandonedWorkerDelaysNothingAndFreesItsConnection) {
    RawServer silent_server(silent());
    RawServer fast(answer_after(0ms, "next"));
    EXPECT_EQ(timed_web_request(local_url(silent_server), limit_of(1)), "");
    const auto start = Clock::now();
    EXPECT_EQ(timed_web_request(local_url(fast)), "next");
    EXPECT_LT(seconds_since(start), 3.0);
    // The abandoned worker notices, closes its connection and ends by itself.
    EXPECT_TRUE(silent_server.wait_for_closed(1, 5s));
    EXPECT_TRUE(end_request_workers(5s));
}

TEST(Wait, ShutdownEndsTheWaitAtOnce) {
    RawServer server(silent());
    QTimer::singleShot(200, [] { request_shutdown(); });
    const auto start = Clock::now();
    EXPECT_EQ(timed_web_request(local_url(server)), "");
    EXPECT_LT(seconds_since(start), 5.0);
    // A request made after shutdown returns at once too.
    EXPECT_EQ(timed_web_request(local_url(server)), "");
    reset_shutdown_for_tests();
}

TEST(Wait, ShutdownFromAnotherThreadEndsAWaitOffTheGuiThread) {
    RawServer server(silent());
    Bytes body = "untouched";
    std::thread startup([&] { body = timed_web_request(local_url(server)); });
    std::this_thread::sleep_for(200ms);
    const auto start = Clock::now();
    request_shutdown();
    startup.join();
    EXPECT_LT(seconds_since(start), 5.0);
    EXPECT_EQ(body, "");
    reset_shutdown_for_tests();
}

}  // namespace
}  // namespace tumbrix
