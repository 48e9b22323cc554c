// The whole open phase with the real message loop: closing the window ends
// it promptly whatever is still under way.
#include <QApplication>
#include <QMessageBox>
#include <atomic>

#include "app/program.h"
#include "window_fixture.h"

namespace tumbrix::testing {
namespace {

using namespace std::chrono_literals;

MainWindow* shown_main_window() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* window = dynamic_cast<MainWindow*>(w); window && window->isVisible())
            return window;
    }
    return nullptr;
}

QMessageBox* shown_message_box() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible()) return box;
    }
    return nullptr;
}

// Runs `step` on the GUI thread as soon as `ready` holds.
template <typename Ready, typename Step>
void once_ready(Ready ready, Step step) {
    auto* poll = new QTimer();
    QObject::connect(poll, &QTimer::timeout, [poll, ready, step] {
        if (!ready()) return;
        poll->stop();
        poll->deleteLater();
        step();
    });
    poll->start(5);
}

class ProgramEnd : public ::testing::Test {
  protected:
    void SetUp() override {
        reset_shutdown_for_tests();
        prepare_process_values();
        reset_page_passes();
        set_message_responder({});
    }
    void TearDown() override {
        reset_page_passes();
        reset_shutdown_for_tests();
    }
};

TEST_F(ProgramEnd, ClosingTheWindowDuringASearchEndsTheMessageLoopPromptly) {
    int passes = 0;
    set_page_pass(SearchKind::engine, [&] {
        ++passes;
        during_next_wait([] { shown_main_window()->close(); });
        wait_in_event_loop(10000);
    });
    once_ready(
        [] { return shown_main_window() != nullptr; },
        [] { shown_main_window()->findChild<QPushButton*>(QStringLiteral(u"按钮1"))->click(); });

    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(run_main_window([] {}, 3s), 0);
    EXPECT_LT(clock.elapsed(), 2000);
    EXPECT_EQ(passes, 1);
    EXPECT_FALSE(search_state().engine_running);
}

TEST_F(ProgramEnd, ClosingTheWindowWhileTheStartupThreadWaitsForItsBoxEndsPromptly) {
    std::atomic<int> answer{-2};
    once_ready([] { return shown_message_box() != nullptr; }, [] { shown_main_window()->close(); });

    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(run_main_window(
                  [&] { answer = show_message("版本更新了，是否进行更新？", 1, "提醒"); }, 3s),
              0);
    EXPECT_LT(clock.elapsed(), 2000);
    EXPECT_EQ(answer.load(), 1);
    EXPECT_EQ(shown_message_box(), nullptr);
}

}  // namespace
}  // namespace tumbrix::testing
