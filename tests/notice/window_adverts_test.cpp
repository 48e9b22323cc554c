// The start-up sequence and the advert panels in the real window, offscreen,
// against a notice page on 127.0.0.1.
#include <gtest/gtest.h>

#include <QApplication>
#include <QBuffer>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QImage>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

#include "app/image_button.h"
#include "app/main_window.h"
#include "app/message_box.h"
#include "app/program_values.h"
#include "app/qt_text.h"
#include "app/web_address.h"
#include "notice/advert_state.h"
#include "notice/startup_sequence.h"
#include "notice_server.h"
#include "platform/controls.h"
#include "platform/files.h"
#include "platform/folders.h"
#include "platform/lifetime.h"

namespace tumbrix::testing {
namespace {

// Handles events until `done` holds or five seconds have passed.
template <typename Done>
bool wait_until(Done done) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < 5000) {
        QEventLoop loop;
        QTimer::singleShot(5, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return done();
}

std::string png(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes.toStdString();
}

class AdvertsInTheWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        reset_shutdown_for_tests();
        prepare_process_values();
        reset_advert_state();
        folders::override_folders_for_tests(root() / "cache", root() / "documents");
        std::filesystem::create_directories(root() / "documents");
        set_address_opener([this](const Text& address) { opened.push_back(address); });

        server_.set_picture("/img/1", png(30, 20));
        server_.set_picture("/img/2", png(40, 10));
        server_.set_page("/web", "<html><body>web advert</body></html>");
        server_.set_page("/popup", "<html><body>popup advert</body></html>");
        server_.set_notice("<p>qwe[弹窗]<br>$弹窗广告=" + server_.url("/popup") +
                           "<br>$[更新]<br>$版本更新=2.3|http://update/<br>$[总数]<br>$次数=2<br>$"
                           "[1]<br>$广告=第一则|http://a/<br>$[2]<br>$广告=第二则|http://b/<br>$"
                           "[图片总数]<br>$计数=2<br>$[图1]<br>$图片广告=" +
                           server_.url("/img/1") +
                           "|http://pic1/|p1.png<br>$[图2]<br>$图片广告=" + server_.url("/img/2") +
                           "|http://pic2/|p2.png<br>$[网页]<br>$网页广告=" + server_.url("/web") +
                           "<br>qwe</p>");
    }
    void TearDown() override {
        window_.reset();
        set_message_responder({});
        set_address_opener({});
        folders::override_folders_for_tests({}, {});
        reset_shutdown_for_tests();
    }

    void open_window() {
        const Text url = server_.url("/notice");
        window_ = std::make_unique<MainWindow>([url] { run_startup_sequence_from(url); });
        window_->show();
    }
    std::filesystem::path root() const { return dir_.path().toStdString(); }
    std::filesystem::path private_folder() const { return root() / "cache" / "tumbrix"; }
    ImageButton* picture_button() const {
        return window_->findChild<ImageButton*>(QStringLiteral(u"超级按钮1"));
    }

    QTemporaryDir dir_;
    NoticeServer server_;
    std::unique_ptr<MainWindow> window_;
    std::vector<Text> opened;
};

TEST_F(AdvertsInTheWindow, AStartRunsAllThreePanels) {
    open_window();
    ASSERT_TRUE(wait_until([] { return timer_period(Control::时钟5) == 10000; }));

    // The settings went through 编辑框1 into the file, line by line.
    EXPECT_EQ(files::read_whole_file(files::path_in(private_folder(), "配置.ini")),
              "[弹窗]\r\n弹窗广告=" + server_.url("/popup") +
                  "\r\n[更新]\r\n版本更新=2.3|http://update/\r\n[总数]\r\n次数=2\r\n"
                  "[1]\r\n广告=第一则|http://a/\r\n[2]\r\n广告=第二则|http://b/\r\n"
                  "[图片总数]\r\n计数=2\r\n[图1]\r\n图片广告=" +
                  server_.url("/img/1") +
                  "|http://pic1/|p1.png\r\n[图2]\r\n图片广告=" + server_.url("/img/2") +
                  "|http://pic2/|p2.png\r\n[网页]\r\n网页广告=" + server_.url("/web") + "\r\n");
    EXPECT_EQ(files::read_whole_file(private_folder() / "p1.png"), png(30, 20));
    EXPECT_EQ(files::read_whole_file(private_folder() / "p2.png"), png(40, 10));
    EXPECT_TRUE(wait_until([this] { return server_.hits("/popup") > 0; }));

    // The text advert rolls, rests, then shows advert 1. The rest is cut
    // short rather than waited for.
    EXPECT_TRUE(wait_until([] { return control_top(Control::超级链接框1) != 424; }));
    ASSERT_TRUE(wait_until([] { return timer_period(Control::时钟2) == 4000; }));
    EXPECT_EQ(control_top(Control::超级链接框1), 424);
    EXPECT_EQ(timer_period(Control::时钟1), 0);
    set_timer_period(Control::时钟2, 10);
    EXPECT_TRUE(wait_until([] { return control_text(Control::超级链接框1) == "第一则"; }));
    EXPECT_EQ(link_target(Control::超级链接框1), "http://a/");
    EXPECT_EQ(timer_period(Control::时钟1), 10);

    // The picture advert shows picture 1 first, and a click opens its link.
    const QSize placeholder = picture_button()->picture().size();
    set_timer_period(Control::时钟4, 10);
    EXPECT_TRUE(wait_until([] { return advert_state().picture_ad_index == 1; }));
    set_timer_period(Control::时钟4, 0);
    EXPECT_NE(picture_button()->picture().size(), placeholder);
    EXPECT_EQ(picture_button()->picture().size(), QSize(30, 20));
    QTest::mouseClick(picture_button(), Qt::LeftButton);
    EXPECT_EQ(opened, std::vector<Text>{"http://pic1/"});

    // The web advert is loaded, and loaded again on every tick.
    EXPECT_TRUE(wait_until([this] { return server_.hits("/web") >= 1; }));
    const int loads = server_.hits("/web");
    set_timer_period(Control::时钟5, 50);
    EXPECT_TRUE(wait_until([this, loads] { return server_.hits("/web") >= loads + 2; }));
}

TEST_F(AdvertsInTheWindow, TheUpdatePromptLeavesTheWindowUsable) {
    ASSERT_TRUE(files::write_whole_file(files::path_in(root() / "documents", "配置.ini"),
                                        "[更新]\r\n版本更新=1\r\n"));
    server_.set_notice("qwe[更新]$版本更新=1|http://update/$[总数]$次数=1$[1]$广告=a|http://a/");
    open_window();

    QMessageBox* box = nullptr;
    ASSERT_TRUE(wait_until([&box] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* candidate = qobject_cast<QMessageBox*>(w);
            if (candidate && candidate->isVisible()) box = candidate;
        }
        return box != nullptr;
    }));
    EXPECT_EQ(to_text(box->text()), "版本更新了，是否进行更新？");
    EXPECT_EQ(to_text(box->windowTitle()), "提醒");

    // While the start-up thread waits for the answer, the window takes input
    // and no advert has started yet.
    auto* search_box = window_->findChild<QLineEdit*>(QStringLiteral(u"搜索框"));
    ASSERT_NE(search_box, nullptr);
    search_box->clear();
    QTest::keyClicks(search_box, QStringLiteral(u"abc"));
    EXPECT_EQ(search_box->text(), QStringLiteral(u"abc"));
    EXPECT_EQ(timer_period(Control::时钟1), 0);

    QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
    EXPECT_TRUE(wait_until([] { return timer_period(Control::时钟1) == 10; }));
    EXPECT_EQ(opened, std::vector<Text>{"http://update/"});
}

}  // namespace
}  // namespace tumbrix::testing
