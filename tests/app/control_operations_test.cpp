// The control operations on the real window, as sources/ and notice/ use them.
#include <QApplication>
#include <QBuffer>
#include <QImage>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QWebEngineView>

#include "app/hyperlink_label.h"
#include "app/image_button.h"
#include "app/period_timer.h"
#include "window_fixture.h"

namespace tumbrix::testing {
namespace {

using ControlOperations = WindowTest;

TEST_F(ControlOperations, ListRowsAndCellsKeepTheirBytes) {
    EXPECT_EQ(list_insert_row(), 0);
    EXPECT_EQ(list_insert_row(), 1);
    EXPECT_EQ(list_row_count(), 2);
    EXPECT_EQ(list_cell_text(0, 0), "");  // a new row's first cell is empty

    const Text long_title = Text(5000, 'x') + "很长的标题";
    const Text odd_bytes("a\xFF\x81z");  // not valid GBK: still read back as written
    list_set_cell(0, 0, long_title);
    list_set_cell(0, 2, "http://u.115.com/file/abc");
    list_set_cell(1, 1, odd_bytes);
    EXPECT_EQ(list_cell_text(0, 0), long_title);
    EXPECT_EQ(list_cell_text(0, 2), "http://u.115.com/file/abc");
    EXPECT_EQ(list_cell_text(1, 1), odd_bytes);
    EXPECT_EQ(to_text(results()->item(0, 0)->text()), long_title);

    // Out of range: writes do nothing, reads give the empty text.
    for (auto [row, column] : {std::pair{-1, 0}, {2, 0}, {0, 3}, {0, -1}}) {
        SCOPED_TRACE(::testing::Message() << row << "," << column);
        list_set_cell(row, column, "lost");
        EXPECT_EQ(list_cell_text(row, column), "");
    }
    EXPECT_EQ(list_row_count(), 2);

    list_clear();
    EXPECT_EQ(list_row_count(), 0);
    EXPECT_EQ(list_column_count(), 3);  // columns stay
}

TEST_F(ControlOperations, SelectedRowFollowsTheSelection) {
    for (int i = 0; i < 3; ++i) list_insert_row();
    EXPECT_EQ(list_selected_row(), -1);
    results()->selectRow(2);
    EXPECT_EQ(list_selected_row(), 2);
    list_clear();
    EXPECT_EQ(list_selected_row(), -1);
}

TEST_F(ControlOperations, ColumnsAreInsertedAndDeletedByIndex) {
    list_delete_column(1);
    EXPECT_EQ(column_titles(), (std::vector<Text>{"资源文件名称", "地址"}));
    list_delete_column(5);  // no such column
    EXPECT_EQ(list_column_count(), 2);
    list_insert_column(1, "文件大小", 160);
    EXPECT_EQ(column_titles(), (std::vector<Text>{"资源文件名称", "文件大小", "地址"}));
    EXPECT_EQ(results()->columnWidth(1), 160);
    list_insert_column(9, "尾", 50);  // past the end: appended
    EXPECT_EQ(column_titles().back(), "尾");
}

TEST_F(ControlOperations, StatusBarHasOnePart) {
    status_set_text(0, "状态：搜索完毕！");
    status_set_text(1, "状态：无处可写");
    status_set_text(-1, "状态：无处可写");
    EXPECT_EQ(to_text(find<QLabel>(u"状态条1.0")->text()), "状态：搜索完毕！");
}

TEST_F(ControlOperations, EditAppendGrowsTheBoxTextLineByLine) {
    edit_append_text(Control::编辑框1, "[总数]\r\n");
    edit_append_text(Control::编辑框1, "次数=3\r\n");
    EXPECT_EQ(control_text(Control::编辑框1), "[总数]\r\n次数=3\r\n");
    auto* box = find<QPlainTextEdit>(u"编辑框1");
    EXPECT_EQ(box->textCursor().position(), box->document()->characterCount() - 1);
    EXPECT_EQ(control_text(Control::编辑框2), "");
}

TEST_F(ControlOperations, PropertiesByName) {
    set_control_text(Control::按钮1, "停止搜索");
    EXPECT_EQ(to_text(start_button()->text()), "停止搜索");
    EXPECT_EQ(control_text(Control::按钮1), "停止搜索");

    set_control_text(Control::搜索框, "电影");
    EXPECT_EQ(control_text(Control::搜索框), "电影");

    set_control_enabled(Control::搜索框, false);
    EXPECT_FALSE(control_enabled(Control::搜索框));
    EXPECT_FALSE(search_box()->isEnabled());

    set_control_visible(Control::图片框1, true);
    EXPECT_TRUE(control_visible(Control::图片框1));
    EXPECT_TRUE(find<BusyPicture>(u"图片框1")->isVisible());
    EXPECT_TRUE(find<BusyPicture>(u"图片框1")->playing());
    set_control_visible(Control::图片框1, false);
    EXPECT_FALSE(find<BusyPicture>(u"图片框1")->playing());

    // The text advert rolls the label up and down.
    EXPECT_EQ(control_top(Control::超级链接框1), 424);
    set_control_top(Control::超级链接框1, 400);
    EXPECT_EQ(find<HyperlinkLabel>(u"超级链接框1")->geometry(), QRect(208, 400, 320, 24));
    set_control_text(Control::超级链接框1, "招聘信息");
    set_link_target(Control::超级链接框1, "http://ad.example.invalid/");
    EXPECT_EQ(control_text(Control::超级链接框1), "招聘信息");
    EXPECT_EQ(link_target(Control::超级链接框1), "http://ad.example.invalid/");
}

TEST_F(ControlOperations, BrowserAddressMakesTheBoxLoadIt) {
    set_browser_address(Control::超文本浏览框3, "http://127.0.0.1:9/popup");
    EXPECT_EQ(browser_address(Control::超文本浏览框3), "http://127.0.0.1:9/popup");
    auto* view = find<QWebEngineView>(u"超文本浏览框3");
    EXPECT_TRUE(wait_until(
        [&] { return view->url() == QUrl(QStringLiteral(u"http://127.0.0.1:9/popup")); }));
    EXPECT_EQ(browser_address(Control::超文本浏览框2), "");
}

QByteArray png_of(QSize size) {
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::red);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

TEST_F(ControlOperations, PictureOfTheAdvertButtonComesFromImageBytes) {
    auto* button = find<ImageButton>(u"超级按钮1");
    const QByteArray png = png_of({120, 60});
    set_picture(Control::超级按钮1, Bytes(png.constData(), static_cast<size_t>(png.size())));
    EXPECT_EQ(button->picture().size(), QSize(120, 60));

    set_picture(Control::超级按钮1, "not an image");
    EXPECT_TRUE(button->picture().isNull());
    set_picture(Control::超级按钮1, png.left(40).toStdString());  // cut short
    EXPECT_TRUE(button->picture().isNull());
    set_picture(Control::超级按钮1, "");
    EXPECT_TRUE(button->picture().isNull());
}

TEST_F(ControlOperations, TimerPeriodRules) {
    auto* timer = find<PeriodTimer>(u"时钟1");
    set_timer_period(Control::时钟1, 0);
    EXPECT_FALSE(timer->running());
    set_timer_period(Control::时钟1, -5);
    EXPECT_FALSE(timer->running());
    EXPECT_EQ(timer_period(Control::时钟1), 0);

    set_timer_period(Control::时钟1, 400);
    EXPECT_TRUE(timer->running());
    EXPECT_EQ(timer_period(Control::时钟1), 400);

    // The same period again: no restart, the phase goes on.
    wait_in_event_loop(150);
    const int left = timer->remaining_ms();
    set_timer_period(Control::时钟1, 400);
    EXPECT_TRUE(timer->running());
    EXPECT_LE(timer->remaining_ms(), left);
    EXPECT_LT(timer->remaining_ms(), 300);

    // Another period restarts it with that period.
    set_timer_period(Control::时钟1, 1000);
    EXPECT_EQ(timer_period(Control::时钟1), 1000);
    EXPECT_GT(timer->remaining_ms(), 900);

    set_timer_period(Control::时钟1, 0);
    EXPECT_FALSE(timer->running());
    EXPECT_EQ(timer_period(Control::时钟1), 0);
}

TEST_F(ControlOperations, OpenInBrowserPassesOnlyWebAddresses) {
    open_in_browser("");
    open_in_browser("/bin/sh");
    open_in_browser("https://example.invalid/x");
    EXPECT_EQ(opened, std::vector<Text>{"https://example.invalid/x"});
}

// A real box, closed by the test as a user would.
class RealMessageBox : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        set_message_responder({});
    }

    // Presses `button` of the box that opens next and records its title.
    void press_when_shown(QMessageBox::StandardButton button) {
        QTimer::singleShot(0, [this, button] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            title = to_text(box->windowTitle());
            if (button == QMessageBox::NoButton) {
                box->close();
            } else {
                click(box->button(button));
            }
        });
    }

    Text title;
};

TEST_F(RealMessageBox, AnswersOkAndCancelUnderTheDefaultTitle) {
    press_when_shown(QMessageBox::Ok);
    EXPECT_EQ(show_message("关键字不能为空！", 0), 0);
    EXPECT_EQ(title, "信息：");

    press_when_shown(QMessageBox::Cancel);
    EXPECT_EQ(show_message("版本更新了，是否进行更新？", 1, "提醒"), 1);
    EXPECT_EQ(title, "提醒");

    press_when_shown(QMessageBox::Ok);
    EXPECT_EQ(show_message("版本更新了，是否进行更新？", 1, "提醒"), 0);

    // Closed without a choice: Cancel where there is one.
    press_when_shown(QMessageBox::NoButton);
    EXPECT_EQ(show_message("版本更新了，是否进行更新？", 1, "提醒"), 1);
}

}  // namespace
}  // namespace tumbrix::testing
