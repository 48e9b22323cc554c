// The start-up adverts through the real window: the start-up sequence reads
// the simulated web's notice page, writes the settings file, downloads the
// advert pictures and starts the advert timers; the panels then roll, rotate
// and reload. The first roll runs in real time; later ticks are driven.
#include <QImage>
#include <QTemporaryDir>
#include <algorithm>
#include <filesystem>

#include "app/hyperlink_label.h"
#include "app/image_button.h"
#include "app/period_timer.h"
#include "e2e_fixture.h"
#include "notice/adverts.h"
#include "notice/startup_sequence.h"
#include "platform/files.h"
#include "platform/folders.h"
#include "tools/simweb/png.h"
#include "tools/simweb/site_pages.h"

namespace tumbrix::testing {
namespace {

class StartupAdverts : public EndToEnd {
  protected:
    void SetUp() override {
        EndToEnd::SetUp();
        ASSERT_TRUE(dir_.isValid());
        folders::override_folders_for_tests(root() / "cache", root() / "documents");
        std::filesystem::create_directories(root() / "documents");
    }
    void TearDown() override {
        EndToEnd::TearDown();  // the window, and with it the start-up thread, goes first
        folders::override_folders_for_tests({}, {});
    }

    std::filesystem::path root() const { return dir_.path().toStdString(); }
    std::filesystem::path private_file(std::string_view gbk_name) const {
        return files::path_in(root() / "cache" / "tumbrix", gbk_name);
    }
    Text base() const { return simulated_web().base(); }

    // A new window whose start-up sequence reads the simulated web's notice;
    // true once the sequence has started its last timer.
    bool start_up() {
        open_window([notice = base() + "/notice"] { run_startup_sequence_from(notice); });
        return wait_until([this] { return timer(u"时钟5")->running(); }, 30'000);
    }

    PeriodTimer* timer(const char16_t* name) const { return find<PeriodTimer>(name); }

    std::vector<std::string> logged_targets() const {
        std::vector<std::string> targets;
        for (const auto& r : simulated_web().request_log()) targets.push_back(r.target);
        return targets;
    }
    bool logged(const std::string& target) const {
        const auto targets = logged_targets();
        return std::find(targets.begin(), targets.end(), target) != targets.end();
    }
    std::vector<std::string> logged_notice_and_pictures() const {
        std::vector<std::string> targets;
        for (const std::string& t : logged_targets())
            if (t == "/notice" || t.starts_with("/ad/pic")) targets.push_back(t);
        return targets;
    }

    QImage shown_picture() const {
        return find<ImageButton>(u"超级按钮1")
            ->picture()
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    }
    static QImage advert_picture(int n) {
        const std::string png = simweb::advert_picture(n);
        return QImage::fromData(reinterpret_cast<const uchar*>(png.data()),
                                static_cast<int>(png.size()))
            .convertToFormat(QImage::Format_RGB32);
    }

    QTemporaryDir dir_;
};

TEST_F(StartupAdverts, NoticeWritesTheSettingsDownloadsThePicturesAndStartsTheAdverts) {
    ASSERT_TRUE(start_up());

    const Text b = base();
    const TextList lines = simweb::notice_settings_lines(b);
    Text settings;
    for (const Text& line : lines) settings += line + "\r\n";
    EXPECT_EQ(files::read_whole_file(private_file("配置.ini")), settings);
    EXPECT_EQ(files::read_whole_file(private_file("simweb_ad1.png")), simweb::advert_picture(1));
    EXPECT_EQ(files::read_whole_file(private_file("simweb_ad2.png")), simweb::advert_picture(2));
    EXPECT_EQ(logged_notice_and_pictures(),
              (std::vector<std::string>{"/notice", "/ad/pic1.png", "/ad/pic2.png"}));
    EXPECT_TRUE(messages.empty());  // no update switch in the documents folder

    // The popup and web advert pages load in their browser boxes.
    EXPECT_EQ(browser_address(Control::超文本浏览框3), b + "/ad/popup");
    EXPECT_EQ(browser_address(Control::超文本浏览框2), b + "/ad/web");
    EXPECT_TRUE(wait_until([&] { return logged("/ad/popup") && logged("/ad/web"); }, 30'000));

    EXPECT_EQ(timer(u"时钟4")->period(), 4000);
    EXPECT_TRUE(timer(u"时钟4")->running());
    EXPECT_EQ(timer(u"时钟5")->period(), 10000);
    EXPECT_FALSE(timer(u"时钟3")->running());

    // The first roll, in real time: up from the rest to the turn, in again
    // from below, then the rest with 时钟2 waiting for the next advert.
    int highest = kTextAdRest, lowest = kTextAdRest;
    const bool resting = wait_until(
        [&] {
            const int top = control_top(Control::超级链接框1);
            highest = std::min(highest, top);
            lowest = std::max(lowest, top);
            return timer(u"时钟2")->running();
        },
        10'000);
    ASSERT_TRUE(resting);
    EXPECT_LT(highest, kTextAdRest);
    EXPECT_GT(lowest, kTextAdRest);
    EXPECT_EQ(control_top(Control::超级链接框1), kTextAdRest);
    EXPECT_FALSE(timer(u"时钟1")->running());
    EXPECT_EQ(timer(u"时钟2")->period(), 4000);
    EXPECT_EQ(control_text(Control::超级链接框1), "广告招租中..");

    // From here on the ticks are driven, so that none comes in between.
    for (const char16_t* name : {u"时钟1", u"时钟2", u"时钟4", u"时钟5"})
        timer(name)->set_period(0);

    const Text captions[] = {"广告一：Tumbrix 模拟网络上线了", "广告二：本机模拟搜索，无需联网",
                             "广告三：双击结果行打开链接", "广告一：Tumbrix 模拟网络上线了"};
    const int numbers[] = {1, 2, 3, 1};
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        on_next_text_ad_tick();
        EXPECT_EQ(control_text(Control::超级链接框1), captions[i]);
        EXPECT_EQ(link_target(Control::超级链接框1), b + "/ad/go/" + number_to_text(numbers[i]));
        EXPECT_EQ(timer(u"时钟1")->period(), 10);  // the next roll starts
        EXPECT_FALSE(timer(u"时钟2")->running());
        timer(u"时钟1")->set_period(0);
    }
    click(find<HyperlinkLabel>(u"超级链接框1"));
    EXPECT_EQ(opened, std::vector<Text>{b + "/ad/go/1"});

    // The picture adverts in turn, each opening its own link.
    opened.clear();
    for (int n : {1, 2, 1}) {
        SCOPED_TRACE(n);
        on_picture_ad_tick();
        EXPECT_EQ(shown_picture(), advert_picture(n));
        click(find<ImageButton>(u"超级按钮1"));
        ASSERT_FALSE(opened.empty());
        EXPECT_EQ(opened.back(), b + "/ad/go/pic" + number_to_text(n));
    }

    // The web advert loads again on every tick.
    simulated_web().clear_log();
    on_web_ad_tick();
    EXPECT_TRUE(wait_until([&] { return logged("/ad/web"); }, 30'000));
}

TEST_F(StartupAdverts, ANextStartKeepsThePicturesItHasAndFetchesOnlyTheNotice) {
    ASSERT_TRUE(start_up());
    const Bytes first = files::read_whole_file(private_file("simweb_ad1.png"));
    ASSERT_FALSE(first.empty());

    simulated_web().clear_log();
    ASSERT_TRUE(start_up());
    EXPECT_EQ(logged_notice_and_pictures(), std::vector<std::string>{"/notice"});
    EXPECT_EQ(files::read_whole_file(private_file("simweb_ad1.png")), first);
}

// The update switch in the user's documents folder: the prompt comes after
// the pictures and before the advert timers; OK opens the update page.
TEST_F(StartupAdverts, UpdatePromptComesBetweenThePicturesAndTheTimers) {
    ASSERT_TRUE(files::write_whole_file(files::path_in(root() / "documents", "配置.ini"),
                                        "[更新]\r\n版本更新=1\r\n"));
    bool pictures_there = false, timers_stopped = false;
    set_message_responder([&](const MessageRequest& request) {
        messages.push_back(request);
        pictures_there = files::entry_exists(private_file("simweb_ad2.png"));
        timers_stopped = !timer(u"时钟1")->running() && !timer(u"时钟5")->running();
        return 0;  // OK
    });
    ASSERT_TRUE(start_up());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "版本更新了，是否进行更新？");
    EXPECT_EQ(messages[0].buttons, 1);
    EXPECT_EQ(messages[0].title, "提醒");
    EXPECT_TRUE(pictures_there);
    EXPECT_TRUE(timers_stopped);
    EXPECT_EQ(opened, std::vector<Text>{base() + "/update"});
}

}  // namespace
}  // namespace tumbrix::testing
