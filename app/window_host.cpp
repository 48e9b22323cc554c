// The control operations of the main window. Each may be called from the GUI
// thread or from the start-up thread; calls from another thread are carried
// to the GUI thread and wait there for their result.
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QThread>
#include <QWebEngineView>
#include <memory>

#include "app/busy_picture.h"
#include "app/gui_thread_inbox.h"
#include "app/hyperlink_label.h"
#include "app/image_button.h"
#include "app/main_window.h"
#include "app/message_box.h"
#include "app/period_timer.h"
#include "app/qt_text.h"
#include "app/web_address.h"
#include "platform/lifetime.h"

namespace tumbrix {
namespace {

// The text a cell was given is kept byte for byte beside its shown form.
constexpr int kCellBytesRole = Qt::UserRole + 1;

// A multi-line box holds its line breaks as CR LF, as it shows them.
Text memo_text(const QPlainTextEdit& box) {
    return text_replace(to_text(box.toPlainText()), "\n", "\r\n");
}

}  // namespace

template <typename R, typename Work>
R MainWindow::on_gui_thread(R fallback, Work work) {
    if (QThread::currentThread() == thread()) return work();
    if (shutdown_requested()) return fallback;
    // A call dropped at shutdown leaves the fallback in place.
    R result = fallback;
    inbox_->run_and_wait([&result, &work] { result = work(); });
    return result;
}

template <typename Work>
void MainWindow::on_gui_thread(Work work) {
    on_gui_thread(false, [&work] {
        work();
        return true;
    });
}

QWidget* MainWindow::widget_of(Control control) const {
    switch (control) {
        case Control::按钮1:
            return start_button_;
        case Control::搜索框:
            return search_box_;
        case Control::图片框1:
            return busy_picture_;
        case Control::超级链接框1:
            return link_label_;
        case Control::超级按钮1:
            return advert_button_;
        case Control::编辑框1:
            return memo1_;
        case Control::编辑框2:
            return memo2_;
        case Control::超文本浏览框1:
        case Control::超文本浏览框2:
        case Control::超文本浏览框3:
            return browser_of(control);
        default:
            return nullptr;
    }
}

PeriodTimer* MainWindow::timer_of(Control control) const {
    auto it = timers_.find(control);
    return it == timers_.end() ? nullptr : it->second;
}

QWebEngineView* MainWindow::browser_of(Control control) const {
    switch (control) {
        case Control::超文本浏览框1:
            return reader_box_;
        case Control::超文本浏览框2:
            return web_advert_;
        case Control::超文本浏览框3:
            return popup_box_;
        default:
            return nullptr;
    }
}

QPlainTextEdit* MainWindow::memo_of(Control control) const {
    if (control == Control::编辑框1) return memo1_;
    if (control == Control::编辑框2) return memo2_;
    return nullptr;
}

void MainWindow::list_clear() {
    on_gui_thread([&] { results_->setRowCount(0); });
}

int MainWindow::list_insert_row() {
    return on_gui_thread(-1, [&] {
        const int row = results_->rowCount();
        results_->insertRow(row);
        return row;
    });
}

void MainWindow::list_set_cell(int row, int column, const Text& text) {
    on_gui_thread([&] {
        if (row < 0 || row >= results_->rowCount() || column < 0 ||
            column >= results_->columnCount())
            return;
        auto* item = new QTableWidgetItem(to_qstring(text));
        item->setData(kCellBytesRole, QByteArray(text.data(), static_cast<qsizetype>(text.size())));
        results_->setItem(row, column, item);
    });
}

Text MainWindow::list_cell_text(int row, int column) {
    return on_gui_thread(Text(), [&] {
        const QTableWidgetItem* item = results_->item(row, column);
        if (!item) return Text();
        const QByteArray bytes = item->data(kCellBytesRole).toByteArray();
        return Text(bytes.constData(), static_cast<size_t>(bytes.size()));
    });
}

int MainWindow::list_row_count() {
    return on_gui_thread(0, [&] { return results_->rowCount(); });
}

int MainWindow::list_selected_row() {
    return on_gui_thread(-1, [&] {
        const QModelIndexList rows = results_->selectionModel()->selectedRows();
        return rows.isEmpty() ? -1 : rows.front().row();
    });
}

int MainWindow::list_column_count() {
    return on_gui_thread(0, [&] { return results_->columnCount(); });
}

void MainWindow::list_insert_column(int index, const Text& title, int width) {
    on_gui_thread([&] {
        const int count = results_->columnCount();
        const int at = index < 0 || index > count ? count : index;
        results_->insertColumn(at);
        results_->setHorizontalHeaderItem(at, new QTableWidgetItem(to_qstring(title)));
        results_->setColumnWidth(at, width);
    });
}

void MainWindow::list_delete_column(int index) {
    on_gui_thread([&] {
        if (index >= 0 && index < results_->columnCount()) results_->removeColumn(index);
    });
}

void MainWindow::status_set_text(int part, const Text& text) {
    on_gui_thread([&] {
        if (part == 0) status_part0_->setText(to_qstring(text));
    });
}

void MainWindow::edit_append_text(Control box, const Text& text) {
    on_gui_thread([&] {
        if (QPlainTextEdit* memo = memo_of(box)) {
            memo->moveCursor(QTextCursor::End);
            memo->insertPlainText(to_qstring(text));
            memo->ensureCursorVisible();
        } else if (box == Control::搜索框) {
            search_box_->end(false);
            search_box_->insert(to_qstring(text));
        }
    });
}

Text MainWindow::text(Control control) {
    return on_gui_thread(Text(), [&] {
        switch (control) {
            case Control::搜索框:
                return to_text(search_box_->text());
            case Control::按钮1:
                return to_text(start_button_->text());
            case Control::超级链接框1:
                return to_text(link_label_->text());
            case Control::编辑框1:
            case Control::编辑框2:
                return memo_text(*memo_of(control));
            default:
                return Text();
        }
    });
}

void MainWindow::set_text(Control control, const Text& text) {
    on_gui_thread([&] {
        const QString shown = to_qstring(text);
        switch (control) {
            case Control::搜索框:
                search_box_->setText(shown);
                break;
            case Control::按钮1:
                start_button_->setText(shown);
                break;
            case Control::超级链接框1:
                link_label_->setText(shown);
                break;
            case Control::编辑框1:
            case Control::编辑框2:
                memo_of(control)->setPlainText(shown);
                break;
            default:
                break;
        }
    });
}

bool MainWindow::enabled(Control control) {
    return on_gui_thread(false, [&] {
        QWidget* w = widget_of(control);
        return w && w->isEnabled();
    });
}

void MainWindow::set_enabled(Control control, bool enabled) {
    on_gui_thread([&] {
        if (QWidget* w = widget_of(control)) w->setEnabled(enabled);
    });
}

bool MainWindow::visible(Control control) {
    return on_gui_thread(false, [&] {
        QWidget* w = widget_of(control);
        return w && !w->isHidden();
    });
}

void MainWindow::set_visible(Control control, bool visible) {
    on_gui_thread([&] {
        if (QWidget* w = widget_of(control)) w->setVisible(visible);
    });
}

int MainWindow::top(Control control) {
    return on_gui_thread(0, [&] {
        QWidget* w = widget_of(control);
        return w ? w->y() : 0;
    });
}

void MainWindow::set_top(Control control, int top) {
    on_gui_thread([&] {
        if (QWidget* w = widget_of(control)) w->move(w->x(), top);
    });
}

Text MainWindow::link_target(Control control) {
    return on_gui_thread(Text(),
                         [&] { return control == Control::超级链接框1 ? link_target_ : Text(); });
}

void MainWindow::set_link_target(Control control, const Text& address) {
    on_gui_thread([&] {
        if (control == Control::超级链接框1) link_target_ = address;
    });
}

int MainWindow::timer_period(Control timer) {
    return on_gui_thread(0, [&] {
        PeriodTimer* t = timer_of(timer);
        return t ? t->period() : 0;
    });
}

void MainWindow::set_timer_period(Control timer, int milliseconds) {
    on_gui_thread([&] {
        if (PeriodTimer* t = timer_of(timer)) t->set_period(milliseconds);
    });
}

Text MainWindow::browser_address(Control box) {
    return on_gui_thread(Text(), [&] {
        auto it = browser_addresses_.find(box);
        return it == browser_addresses_.end() ? Text() : it->second;
    });
}

void MainWindow::set_browser_address(Control box, const Text& address) {
    on_gui_thread([&] {
        QWebEngineView* view = browser_of(box);
        if (!view) return;
        browser_addresses_[box] = address;
        view->load(address.empty() ? QUrl(QStringLiteral(u"about:blank"))
                                   : QUrl(to_qstring(address), QUrl::TolerantMode));
    });
}

void MainWindow::set_picture(Control button, const Bytes& image) {
    on_gui_thread([&] {
        if (button != Control::超级按钮1) return;
        QPixmap picture;
        if (!image.empty())
            picture.loadFromData(reinterpret_cast<const uchar*>(image.data()),
                                 static_cast<uint>(image.size()));
        advert_button_->set_picture(picture);
    });
}

int MainWindow::show_message(const Text& text, int buttons, const Text& title) {
    const MessageRequest request{text, buttons, title};
    if (QThread::currentThread() == thread()) return run_modal_message(request);
    const int dismissed = dismissed_answer(buttons);
    if (shutdown_requested()) return dismissed;
    // Another thread's box is modeless: the window stays usable and only the
    // asking thread waits, until the answer comes or shutdown is requested.
    auto answer = std::make_shared<MessageAnswer>();
    inbox_->post([this, request, answer] {
        if (shutdown_requested()) {
            answer->set(dismissed_answer(request.buttons));
            return;
        }
        QMessageBox* box =
            open_modeless_message(request, [answer](int given) { answer->set(given); });
        if (box) open_messages_.emplace_back(box);
    });
    return answer->wait(dismissed);
}

void MainWindow::open_in_browser(const Text& address) {
    on_gui_thread([&] { open_web_address(address); });
}

}  // namespace tumbrix
