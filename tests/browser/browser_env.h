#pragma once
// What the browser tests share: the application object (made once for the
// whole run by a global test environment), a fixture with a registered reader
// box and a loopback server, and waits that keep handling events.
#include <gtest/gtest.h>

#include <QPointer>
#include <QWebEngineView>
#include <chrono>
#include <functional>
#include <string>

#include "loopback_server.h"
#include "text/text.h"

namespace tumbrix::test {

class BrowserTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Runs `action` once, `delay` into the next wait; never after the test.
    void soon(std::chrono::milliseconds delay, std::function<void()> action);
    // Milliseconds since `start`.
    static long long elapsed_ms(std::chrono::steady_clock::time_point start);

    LoopbackServer server_;
    QPointer<QWebEngineView> box_;  // registered as the reader box
    QObject timers_;
};

// Handles events until `done` holds or `limit` passes; returns `done()`.
bool wait_until(const std::function<bool()>& done,
                std::chrono::milliseconds limit = std::chrono::seconds(10));

// Sends `box` to `url` the way the window sets a box's address, and waits
// until the box reports the end of that load. False when no end came.
bool load_in_box(QWebEngineView* box, const QString& url);

// A serving helper: an HTML body as a handler.
httplib::Server::Handler html(std::string body,
                              std::string content_type = "text/html; charset=utf-8");

inline bool contains(const Text& text, const Text& part) {
    return text.find(part) != Text::npos;
}

}  // namespace tumbrix::test
