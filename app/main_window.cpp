#include "app/main_window.h"

#include <QCloseEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTableWidget>

#include "app/gui_thread_inbox.h"
#include "app/look.h"
#include "app/period_timer.h"
#include "app/pictures.h"
#include "app/search_control.h"
#include "notice/advert_state.h"
#include "platform/browser_box.h"
#include "platform/lifetime.h"
#include "sources/search_state.h"

namespace tumbrix {
namespace {

constexpr QPoint kOuterPosition(50, 50);
constexpr QSize kOuterSize(554, 562);
// The client area the controls were placed for: the outer size less the
// frame and title bar of the desktop the window was designed on.
constexpr QSize kDesignedClientSize(544, 528);

}  // namespace

MainWindow::MainWindow(StartupSequence startup)
    : inbox_(new GuiThreadInbox(this)), startup_(std::move(startup)) {
    setObjectName(QStringLiteral(u"主窗口"));
    setWindowTitle(QStringLiteral(u"网盘搜索器（Tumbrix2.3）"));
    setWindowIcon(pictures::window_icon());
    setFont(ui_font());
    build_controls();
    resize(kDesignedClientSize);
    move(kOuterPosition);
    install_control_host(this);
    set_page_reader_box(reader_box_);
}

MainWindow::~MainWindow() {
    if (control_host() == this) install_control_host(nullptr);
    // The start-up thread may still be using the window through calls already
    // under way, so the window lives until it has ended.
    while (!finish_startup_thread(std::chrono::seconds(1))) {
    }
    if (page_reader_box() == reader_box_) set_page_reader_box(nullptr);
}

bool MainWindow::finish_startup_thread(std::chrono::milliseconds limit) {
    end_program_activity();
    if (!startup_thread_) return true;
    // Calls of the start-up thread still waiting for the GUI thread are
    // dropped: each one then returns at once to its caller.
    return startup_thread_->wait_for_end(limit, [this] { inbox_->drop_waiting(); });
}

void MainWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    fit_outer_size();
    if (!created_) {
        created_ = true;
        on_created();
    }
}

void MainWindow::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    fit_outer_size();
}

// The frame is known only once the desktop has framed the window; without a
// frame (no window manager) the whole outer size is client area.
void MainWindow::fit_outer_size() {
    if (outer_size_fitted_ || !isVisible()) return;
    const QSize frame = frameGeometry().size() - geometry().size();
    if (frame.isEmpty()) {
        if (size() != kOuterSize) resize(kOuterSize);
        return;
    }
    outer_size_fitted_ = true;
    resize(kOuterSize - frame);
    move(kOuterPosition);
}

void MainWindow::on_created() {
    apply_look();
    SearchState& state = search_state();
    state.search_mode = kStartMode;
    state.current_source = kStartSource;
    reset_advert_state();  // both advert indexes start at 0
    startup_thread_ = std::make_unique<StartupThread>(startup_);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    end_program_activity();
    QWidget::closeEvent(event);
}

// Closing the window ends the program: every wait ends, every search loop
// stops after the pass under way, no timer ticks again and the start-up
// thread's message boxes go.
void MainWindow::end_program_activity() {
    request_shutdown();
    SearchState& state = search_state();
    state.portal_running = false;
    state.engine_running = false;
    state.bt_running = false;
    for (auto& [control, timer] : timers_) timer->set_period(0);
    close_open_messages();
}

void MainWindow::close_open_messages() {
    for (QPointer<QMessageBox>& box : open_messages_) {
        if (box) box->close();
    }
    open_messages_.clear();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == search_box_ && event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        on_search_box_pressed();
    } else if (watched == results_->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        on_results_double_clicked();
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace tumbrix
