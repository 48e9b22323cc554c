#include "notice/startup_sequence.h"

#include <tumbrix/endpoints.h>

#include "notice/adverts.h"
#include "notice_fixture.h"

namespace tumbrix::testing {
namespace {

class StartupSequence : public NoticeTest {
  protected:
    void run(const std::string& notice) {
        server_.set_notice(notice);
        run_startup_sequence_from(server_.url("/notice"));
    }
};

TEST_F(StartupSequence, WritesTheSettingsPieceLineByLine) {
    const struct {
        const char* name;
        std::string notice;
        std::string file;
    } cases[] = {
        {"upper-case tag", "aqwe[总数]<BR>$次数=0qwe", "[总数]\r\n次数=0\r\n"},
        {"a single marker", "head qwe[a]$k=v", "[a]\r\nk=v\r\n"},
        {"a trailing $", "qwe[a]$k=v$qwe tail", "[a]\r\nk=v\r\n"},
        {"$$ in the middle", "qwe[a]$$k=v", "[a]\r\n\r\nk=v\r\n"},
        {"tags in any case", "qwe<br>[a]<bR>$k=<Br>v<br>qwe", "[a]\r\nk=v\r\n"},
        {"a third marker", "qwe[a]qwe[b]qwe", "[a]\r\n"},
        {"the text ends at a NUL", std::string("qwe[a]$k=v\0$x=y", 15), "[a]\r\nk=v\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingHost host;  // a fresh, empty 编辑框1
        run(c.notice);
        EXPECT_EQ(settings_bytes(), c.file);
        EXPECT_EQ(host.text(Control::编辑框1), c.file);
        // No advert count, so no advert starts.
        for (const std::string& change : host.log)
            EXPECT_EQ(change.rfind("period", 0), std::string::npos);
        EXPECT_EQ(advert_state().link_ad_count.load(), 0);
    }
}

TEST_F(StartupSequence, APageWithoutASettingsPieceChangesNothing) {
    ASSERT_TRUE(write_settings_file("[总数]\r\n次数=3\r\n"));  // from an earlier start
    const struct {
        const char* name;
        std::string notice;
    } cases[] = {
        {"no marker", "[总数]$次数=3"},
        {"empty page", ""},
        {"nothing after the only marker", "[总数]$次数=3qwe"},
        {"nothing between the markers", "aqweqwe[总数]$次数=3"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        run(c.notice);
        EXPECT_EQ(settings_bytes(), "[总数]\r\n次数=3\r\n");
        EXPECT_TRUE(host_.log.empty());
        EXPECT_EQ(host_.text(Control::编辑框1), "");
        EXPECT_EQ(advert_state().link_ad_count.load(), 0);
    }
    run_startup_sequence_from("http://127.0.0.1:1/notice");  // nobody listens there
    EXPECT_TRUE(host_.log.empty());
}

TEST_F(StartupSequence, AnEmptyAddressMakesNoRequest) {
    server_.set_notice("qwe[总数]$次数=3");
    run_startup_sequence_from(Text());
    if (std::string_view(endpoints::kNoticeUrl).empty()) run_startup_sequence();
    EXPECT_EQ(server_.all_hits(), 0);
    EXPECT_TRUE(host_.log.empty());
    EXPECT_FALSE(files::entry_exists(settings_file()));
}

TEST_F(StartupSequence, StartsTheAdvertsInOrder) {
    server_.set_picture("/img/1", "PICTURE-1");
    server_.set_picture("/img/2", "PICTURE-2");
    run("noticeqwe[弹窗]<br>$弹窗广告=http://popup/$[更新]$版本更新=0|http://update/$"
        "[总数]$次数=3$[网页]$网页广告=http://web/$[图片总数]$计数=2$"
        "[图1]$图片广告=" +
        server_.url("/img/1") + "|http://link1/|one.png$[图2]$图片广告=" + server_.url("/img/2") +
        "|http://link2/|two.png$[1]$广告=甲|http://a/qwe");

    EXPECT_EQ(host_.log, (std::vector<std::string>{
                             "address popup http://popup/",
                             "period t1 10",
                             "period t4 4000",
                             "address web http://web/",
                             "period t5 10000",
                         }));
    EXPECT_TRUE(host_.messages.empty());  // no documents-folder setting asks for it
    EXPECT_EQ(advert_state().link_ad_count.load(), 3);
    EXPECT_EQ(files::read_whole_file(private_folder() / "one.png"), "PICTURE-1");
    EXPECT_EQ(files::read_whole_file(private_folder() / "two.png"), "PICTURE-2");
    EXPECT_EQ(read_setting("1", "广告"), "甲|http://a/");

    // The downloads leave the picture index at the count, so the first tick of
    // 时钟4 shows picture advert 1.
    EXPECT_EQ(advert_state().picture_ad_index.load(), 2);
    on_picture_ad_tick();
    ASSERT_EQ(host_.picture_log.size(), 1u);
    EXPECT_EQ(host_.picture_log[0], "PICTURE-1");
    on_picture_ad_click();
    EXPECT_EQ(host_.opened, std::vector<Text>{"http://link1/"});
}

TEST_F(StartupSequence, OffersTheUpdateWhenTheDocumentsSettingIsOne) {
    enum Answer { kOk = 0, kCancel = 1 };
    const struct {
        const char* name;
        const char* documents;  // nullptr: no file in the documents folder
        int answer;
        const char* update_value;
        bool asked;
        std::vector<Text> opened;
    } cases[] = {
        {"OK", "1", kOk, "0|http://update/", true, {"http://update/"}},
        {"Cancel", "1", kCancel, "0|http://update/", true, {}},
        {"OK without an address", "1", kOk, "http://update/", true, {}},
        {"OK without a value", "1", kOk, "", true, {}},
        {"a value with an address", "1|http://update/", kOk, "0|http://update/", false, {}},
        {"another value", "2", kOk, "0|http://update/", false, {}},
        {"no file", nullptr, kOk, "0|http://update/", false, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove(files::path_in(root() / "documents", "配置.ini"));
        if (c.documents) write_documents_settings(std::string("[更新]\r\n版本更新=") + c.documents);
        server_.set_picture("/img/p", "P");
        std::filesystem::remove(private_folder() / "p.png");
        reset_advert_state();
        RecordingHost host;
        bool picture_was_there = false;
        host.responder = [&](const FakeControls::Message&) {
            picture_was_there = files::entry_exists(private_folder() / "p.png");
            return c.answer;
        };
        run(std::string("qwe[更新]$版本更新=") + c.update_value +
            "$[总数]$次数=1$[图片总数]$计数=1$[图1]$图片广告=" + server_.url("/img/p") +
            "|l|p.png");

        const auto messages = host.messages;
        ASSERT_EQ(messages.size(), c.asked ? 1u : 0u);
        EXPECT_EQ(host.opened, c.opened);
        if (!c.asked) continue;
        EXPECT_EQ(messages[0].text, "版本更新了，是否进行更新？");
        EXPECT_EQ(messages[0].buttons, 1);
        EXPECT_EQ(messages[0].title, "提醒");
        // Asked after the pictures are cached and before any advert starts.
        EXPECT_TRUE(picture_was_there);
        const auto log = host.log;
        const auto asked = std::find(log.begin(), log.end(), "message");
        const auto started = std::find(log.begin(), log.end(), "period t1 10");
        EXPECT_LT(asked - log.begin(), started - log.begin());
    }
}

}  // namespace
}  // namespace tumbrix::testing
