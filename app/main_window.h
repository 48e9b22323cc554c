#pragma once
// The main window "网盘搜索器（Tumbrix2.3）" and its 23 controls. It is the
// ControlHost of the program: sources/ and notice/ reach it only through the
// control operations, from the GUI thread or from the start-up thread (whose
// calls are carried to the GUI thread).
//
// The script host 脚本组件1 of the window's design has no widget here: the
// keyword is encoded by our own code (web/keyword_encoding.h).
#include <QPointer>
#include <QWidget>
#include <chrono>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "app/startup_thread.h"
// moc cannot read the Chinese control names; it needs nothing from this header.
#ifndef Q_MOC_RUN
#include "platform/controls.h"
#endif

class QGroupBox;
class QLabel;
class QLineEdit;
class QMessageBox;
class QPlainTextEdit;
class QPushButton;
class QStatusBar;
class QTableWidget;
class QToolButton;
class QWebEngineView;

namespace tumbrix {

class BusyPicture;
class GuiThreadInbox;
class FlatToolbar;
class HyperlinkLabel;
class ImageButton;
class PeriodTimer;

class MainWindow : public QWidget, public ControlHost {
    Q_OBJECT
  public:
    using StartupSequence = std::function<void()>;

    // `startup` runs on the start-up thread that the created event starts;
    // the program passes run_startup_sequence.
    explicit MainWindow(StartupSequence startup);
    // Destroying the window ends the program: shutdown is requested and the
    // start-up thread is waited for, its blocked calls released meanwhile.
    ~MainWindow() override;

    bool created() const { return created_; }

    // Requests shutdown and waits up to `limit` for the start-up thread to
    // end. False when it is still running, stuck in something that does not
    // honour the shutdown request.
    bool finish_startup_thread(std::chrono::milliseconds limit);

    void list_clear() override;
    int list_insert_row() override;
    void list_set_cell(int row, int column, const Text& text) override;
    Text list_cell_text(int row, int column) override;
    int list_row_count() override;
    int list_selected_row() override;
    int list_column_count() override;
    void list_insert_column(int index, const Text& title, int width) override;
    void list_delete_column(int index) override;
    void status_set_text(int part, const Text& text) override;
    void edit_append_text(Control box, const Text& text) override;
    Text text(Control control) override;
    void set_text(Control control, const Text& text) override;
    bool enabled(Control control) override;
    void set_enabled(Control control, bool enabled) override;
    bool visible(Control control) override;
    void set_visible(Control control, bool visible) override;
    int top(Control control) override;
    void set_top(Control control, int top) override;
    Text link_target(Control control) override;
    void set_link_target(Control control, const Text& address) override;
    int timer_period(Control timer) override;
    void set_timer_period(Control timer, int milliseconds) override;
    Text browser_address(Control box) override;
    void set_browser_address(Control box, const Text& address) override;
    void set_picture(Control button, const Bytes& image) override;
    int show_message(const Text& text, int buttons, const Text& title) override;
    void open_in_browser(const Text& address) override;

  protected:
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void build_controls();
    void fit_outer_size();
    void on_created();
    void end_program_activity();
    void close_open_messages();

    // Runs `work` on the GUI thread and returns its result; from another
    // thread once shutdown is requested, returns `fallback` at once.
    template <typename R, typename Work>
    R on_gui_thread(R fallback, Work work);
    template <typename Work>
    void on_gui_thread(Work work);

    QWidget* widget_of(Control control) const;
    PeriodTimer* timer_of(Control control) const;
    QWebEngineView* browser_of(Control control) const;
    QPlainTextEdit* memo_of(Control control) const;

    QGroupBox* group_box2_ = nullptr;         // 分组框2
    QGroupBox* group_box1_ = nullptr;         // 分组框1
    FlatToolbar* mode_bar_ = nullptr;         // 工具条1
    FlatToolbar* source_bar_ = nullptr;       // 工具条2
    QToolButton* about_button_ = nullptr;     // 超级按钮2
    ImageButton* advert_button_ = nullptr;    // 超级按钮1
    QLineEdit* search_box_ = nullptr;         // 搜索框
    QPushButton* start_button_ = nullptr;     // 按钮1
    QTableWidget* results_ = nullptr;         // 超级列表框1
    BusyPicture* busy_picture_ = nullptr;     // 图片框1
    QStatusBar* status_bar_ = nullptr;        // 状态条1
    QLabel* status_part0_ = nullptr;          //   its one part
    HyperlinkLabel* link_label_ = nullptr;    // 超级链接框1
    QWebEngineView* reader_box_ = nullptr;    // 超文本浏览框1
    QWebEngineView* web_advert_ = nullptr;    // 超文本浏览框2
    QWebEngineView* popup_box_ = nullptr;     // 超文本浏览框3
    QPlainTextEdit* memo1_ = nullptr;         // 编辑框1
    QPlainTextEdit* memo2_ = nullptr;         // 编辑框2
    std::map<Control, PeriodTimer*> timers_;  // 时钟1 .. 时钟5

    Text link_target_;
    std::map<Control, Text> browser_addresses_;
    std::vector<QPointer<QMessageBox>> open_messages_;

    GuiThreadInbox* inbox_ = nullptr;  // calls of the start-up thread
    StartupSequence startup_;
    std::unique_ptr<StartupThread> startup_thread_;
    bool created_ = false;
    bool outer_size_fitted_ = false;
};

}  // namespace tumbrix
