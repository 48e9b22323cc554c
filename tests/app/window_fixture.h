#pragma once
// The real main window, shown offscreen, with message boxes answered by a
// responder and browser opens recorded instead of performed.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QEventLoop>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>
#include <memory>
#include <vector>

#include "app/busy_picture.h"
#include "app/flat_toolbar.h"
#include "app/main_window.h"
#include "app/message_box.h"
#include "app/program_values.h"
#include "app/qt_text.h"
#include "app/search_control.h"
#include "app/web_address.h"
#include "platform/controls.h"
#include "platform/lifetime.h"
#include "sources/search_state.h"

namespace tumbrix::testing {

// Waits in the real event loop, as a page fetch does: window events run
// inside, and the wait ends early once shutdown is requested.
inline void wait_in_event_loop(int milliseconds) {
    QEventLoop loop;
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
    QTimer shutdown_check;
    QObject::connect(&shutdown_check, &QTimer::timeout, &loop, [&loop] {
        if (shutdown_requested()) loop.quit();
    });
    limit.start(milliseconds);
    shutdown_check.start(5);
    loop.exec();
}

// Handles events until `done` holds or `limit_ms` has passed; returns `done()`.
template <typename Done>
bool wait_until(Done done, int limit_ms = 5000) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < limit_ms) wait_in_event_loop(5);
    return done();
}

// Runs `action` inside the next wait of the event loop.
inline void during_next_wait(std::function<void()> action) {
    QTimer::singleShot(0, std::move(action));
}

class WindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        reset_shutdown_for_tests();
        prepare_process_values();
        reset_page_passes();
        messages.clear();
        opened.clear();
        set_message_responder([this](const MessageRequest& request) {
            messages.push_back(request);
            return answer;
        });
        set_address_opener([this](const Text& address) { opened.push_back(address); });
        open_window([] {});
    }

    // A new window whose start-up thread runs `startup`.
    void open_window(MainWindow::StartupSequence startup) {
        window.reset();
        reset_shutdown_for_tests();
        window = std::make_unique<MainWindow>(std::move(startup));
        window->show();
    }

    void TearDown() override {
        window.reset();
        set_message_responder({});
        set_address_opener({});
        reset_page_passes();
        reset_shutdown_for_tests();
    }

    template <typename W>
    W* find(const char16_t* name) const {
        W* widget = window->findChild<W*>(QString::fromUtf16(name));
        EXPECT_NE(widget, nullptr) << QString::fromUtf16(name).toStdString();
        return widget;
    }

    QPushButton* start_button() const { return find<QPushButton>(u"按钮1"); }
    QLineEdit* search_box() const { return find<QLineEdit>(u"搜索框"); }
    QTableWidget* results() const { return find<QTableWidget>(u"超级列表框1"); }
    FlatToolbar* mode_bar() const { return find<FlatToolbar>(u"工具条1"); }
    FlatToolbar* source_bar() const { return find<FlatToolbar>(u"工具条2"); }

    void click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }
    void click_start() { click(start_button()); }
    void click_mode(int index) { click(mode_bar()->button(index)); }
    void click_source(int index) { click(source_bar()->button(index)); }

    std::vector<Text> column_titles() const {
        std::vector<Text> titles;
        for (int c = 0; c < results()->columnCount(); ++c)
            titles.push_back(to_text(results()->horizontalHeaderItem(c)->text()));
        return titles;
    }

    // The running look, or the idle look, as the tests see the widgets.
    void expect_running_look() const {
        EXPECT_EQ(to_text(start_button()->text()), "停止搜索");
        EXPECT_FALSE(search_box()->isEnabled());
        EXPECT_TRUE(find<BusyPicture>(u"图片框1")->isVisible());
    }
    void expect_idle_look() const {
        EXPECT_EQ(to_text(start_button()->text()), "开始搜索");
        EXPECT_TRUE(search_box()->isEnabled());
        EXPECT_FALSE(find<BusyPicture>(u"图片框1")->isVisible());
    }

    std::unique_ptr<MainWindow> window;
    std::vector<MessageRequest> messages;
    std::vector<Text> opened;
    int answer = 0;
};

}  // namespace tumbrix::testing
