// The start-up thread's calls into the window, and the end of the program
// while a search or the start-up thread is still under way.
#include <QApplication>
#include <QMessageBox>
#include <atomic>
#include <chrono>
#include <mutex>
#include <thread>

#include "app/period_timer.h"
#include "window_fixture.h"

namespace tumbrix::testing {
namespace {

using namespace std::chrono_literals;

// Visible modeless boxes, as the start-up thread's boxes are.
std::vector<QMessageBox*> open_boxes() {
    std::vector<QMessageBox*> boxes;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible())
            boxes.push_back(box);
    }
    return boxes;
}

class StartupThreadCalls : public WindowTest {
  protected:
    std::atomic<bool> done{false};
    std::atomic<int> answer_seen{-2};
};

TEST_F(StartupThreadCalls, ReachTheWindowOnTheGuiThread) {
    std::mutex mutex;
    std::thread::id sequence_thread;
    Text memo;
    answer = 1;  // the responder answers on the GUI thread
    open_window([&] {
        {
            std::lock_guard lock(mutex);
            sequence_thread = std::this_thread::get_id();
        }
        edit_append_text(Control::编辑框1, "[网页]\r\n");
        edit_append_text(Control::编辑框1, "网页广告=http://127.0.0.1:9/ad\r\n");
        set_browser_address(Control::超文本浏览框2, "http://127.0.0.1:9/ad");
        set_timer_period(Control::时钟5, 10000);
        answer_seen = show_message("版本更新了，是否进行更新？", 1, "提醒");
        const Text read_back = control_text(Control::编辑框1);
        std::lock_guard lock(mutex);
        memo = read_back;
        done = true;
    });
    ASSERT_TRUE(wait_until([&] { return done.load(); }));

    std::lock_guard lock(mutex);
    EXPECT_NE(sequence_thread, std::this_thread::get_id());
    EXPECT_EQ(memo, "[网页]\r\n网页广告=http://127.0.0.1:9/ad\r\n");
    EXPECT_EQ(browser_address(Control::超文本浏览框2), "http://127.0.0.1:9/ad");
    EXPECT_TRUE(find<PeriodTimer>(u"时钟5")->running());
    EXPECT_EQ(answer_seen.load(), 1);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].title, "提醒");
}

TEST_F(StartupThreadCalls, MessageBoxWaitsForTheUserWhileTheWindowStaysUsable) {
    set_message_responder({});
    open_window([&] {
        answer_seen = show_message("版本更新了，是否进行更新？", 1, "提醒");
        done = true;
    });
    ASSERT_TRUE(wait_until([] { return open_boxes().size() == 1; }));
    QMessageBox* box = open_boxes().front();
    EXPECT_EQ(box->windowModality(), Qt::NonModal);
    EXPECT_EQ(to_text(box->windowTitle()), "提醒");

    click_source(2);  // the window handles its events meanwhile
    EXPECT_EQ(search_state().current_source, 3);
    EXPECT_FALSE(done.load());

    click(box->button(QMessageBox::Ok));
    ASSERT_TRUE(wait_until([&] { return done.load(); }));
    EXPECT_EQ(answer_seen.load(), 0);
}

TEST_F(StartupThreadCalls, ClosingTheWindowReleasesAThreadWaitingForItsAnswer) {
    set_message_responder({});
    open_window([&] {
        answer_seen = show_message("版本更新了，是否进行更新？", 1, "提醒");
        set_timer_period(Control::时钟1, 10);  // after the close: ignored at once
        done = true;
    });
    ASSERT_TRUE(wait_until([] { return open_boxes().size() == 1; }));

    QElapsedTimer clock;
    clock.start();
    window->close();
    window.reset();
    EXPECT_LT(clock.elapsed(), 1000);
    EXPECT_TRUE(done.load());
    EXPECT_EQ(answer_seen.load(), 1);  // as if closed without a choice
    EXPECT_TRUE(wait_until([] { return open_boxes().empty(); }));
}

TEST_F(StartupThreadCalls, DestroyingTheWindowReleasesACallWaitingForTheGuiThread) {
    std::atomic<bool> calling{false};
    std::atomic<int> rows_seen{-2};
    open_window([&] {
        calling = true;
        rows_seen = list_row_count();  // blocked: the GUI thread handles no events
        while (!shutdown_requested()) list_insert_row();
        done = true;
    });
    list_insert_row();
    // The created event has started the thread; wait without handling events.
    while (!calling.load()) std::this_thread::sleep_for(1ms);
    std::this_thread::sleep_for(20ms);

    QElapsedTimer clock;
    clock.start();
    window.reset();
    EXPECT_LT(clock.elapsed(), 1000);
    EXPECT_TRUE(done.load());
    EXPECT_EQ(rows_seen.load(), 0);  // dropped unanswered: the fallback
}

TEST_F(StartupThreadCalls, StuckThreadIsReportedWithinTheLimit) {
    std::atomic<bool> release{false};
    open_window([&] {
        while (!release.load()) std::this_thread::sleep_for(1ms);  // deaf to shutdown
    });
    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(window->finish_startup_thread(100ms));
    EXPECT_LT(clock.elapsed(), 1000);
    EXPECT_TRUE(shutdown_requested());
    release = true;
    EXPECT_TRUE(window->finish_startup_thread(5s));
}

using ClosingTheWindow = WindowTest;

TEST_F(ClosingTheWindow, EndsARunningSearchAfterThePassUnderWay) {
    int pass_count = 0;
    set_page_pass(SearchKind::engine, [&] {
        ++pass_count;
        during_next_wait([&] { window->close(); });
        wait_in_event_loop(10000);  // a page that would take long
        list_insert_row();
    });
    set_timer_period(Control::时钟4, 4000);

    QElapsedTimer clock;
    clock.start();
    click_start();
    EXPECT_LT(clock.elapsed(), 2000);
    EXPECT_EQ(pass_count, 1);
    EXPECT_TRUE(shutdown_requested());
    EXPECT_FALSE(search_state().engine_running);
    EXPECT_EQ(list_row_count(), 1);  // the page under way still lands
    EXPECT_FALSE(find<PeriodTimer>(u"时钟4")->running());
}

}  // namespace
}  // namespace tumbrix::testing
