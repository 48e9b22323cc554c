// A process without a Qt application has no events to handle: the wait then
// sleeps on the worker alone, bounded by the same limit and shutdown request.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <chrono>
#include <thread>

#include "platform/lifetime.h"
#include "raw_server.h"
#include "web/timed_web_request.h"

namespace tumbrix {
namespace {

using namespace std::chrono_literals;
using testing::RawReply;
using testing::RawServer;

TEST(NoApplication, FetchesAndWaitsWithoutEvents) {
    ASSERT_EQ(QCoreApplication::instance(), nullptr);
    RawServer answering(
        [](const std::string&) { return RawReply{testing::http_response("200 OK", "", "plain")}; });
    RawServer silent([](const std::string&) {
        RawReply reply;
        reply.silent = true;
        return reply;
    });
    const Text base = "http://127.0.0.1:";
    EXPECT_EQ(timed_web_request(base + std::to_string(answering.port()) + "/"), "plain");

    RequestOptions one_second;
    one_second.timeout_seconds = 1;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(timed_web_request(base + std::to_string(silent.port()) + "/", one_second), "");
    EXPECT_GE(std::chrono::steady_clock::now() - start, 990ms);

    std::thread stopper([] {
        std::this_thread::sleep_for(200ms);
        request_shutdown();
    });
    EXPECT_EQ(timed_web_request(base + std::to_string(silent.port()) + "/"), "");
    stopper.join();
    EXPECT_LT(std::chrono::steady_clock::now() - start, 10s);
    reset_shutdown_for_tests();
}

}  // namespace
}  // namespace tumbrix
