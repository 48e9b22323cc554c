#include "notice/adverts.h"

#include "notice_fixture.h"

namespace tumbrix::testing {
namespace {

class Adverts : public NoticeTest {
  protected:
    void settings(std::string_view text) { ASSERT_TRUE(write_settings_file(text)); }
    void picture_file(std::string_view name, std::string_view bytes) {
        std::filesystem::create_directories(private_folder());
        ASSERT_TRUE(files::write_whole_file(files::path_in(private_folder(), name), bytes));
    }
};

TEST_F(Adverts, OneRollTakes49TicksThenRests) {
    host_.set_top(Control::超级链接框1, kTextAdRest);
    std::vector<int> tops;
    for (int tick = 1; tick <= 49; ++tick) {
        EXPECT_TRUE(host_.log.empty()) << "handed over early, before tick " << tick;
        on_text_ad_roll_tick();
        tops.push_back(host_.top(Control::超级链接框1));
    }
    EXPECT_EQ(tops[0], 423);
    EXPECT_EQ(tops[23], 400);
    EXPECT_EQ(tops[24], 448);
    EXPECT_EQ(tops[25], 447);
    EXPECT_EQ(tops[48], 424);
    EXPECT_EQ(host_.log, (std::vector<std::string>{"period t1 0", "period t2 4000"}));
}

TEST_F(Adverts, ALabelAboveTheTurnIsLeftAlone) {
    host_.set_top(Control::超级链接框1, 300);
    on_text_ad_roll_tick();
    EXPECT_EQ(host_.top(Control::超级链接框1), 300);
    EXPECT_TRUE(host_.log.empty());
}

TEST_F(Adverts, TextAdvertsFollowInTurn) {
    settings(
        "[1]\r\n广告=甲|http://a/\r\n[2]\r\n广告=乙|http://b/\r\n[3]\r\n广告=丙|http://c/\r\n");
    advert_state().link_ad_count = 3;
    std::vector<Text> captions, targets;
    for (int tick = 0; tick < 4; ++tick) {
        on_next_text_ad_tick();
        captions.push_back(host_.text(Control::超级链接框1));
        targets.push_back(host_.link_target(Control::超级链接框1));
        EXPECT_EQ(host_.timer_period(Control::时钟1), 10);
        EXPECT_EQ(host_.timer_period(Control::时钟2), 0);
    }
    EXPECT_EQ(captions, (std::vector<Text>{"甲", "乙", "丙", "甲"}));
    EXPECT_EQ(targets, (std::vector<Text>{"http://a/", "http://b/", "http://c/", "http://a/"}));
}

TEST_F(Adverts, AShortTextAdvertKeepsTheLabelButStillRolls) {
    settings("[1]\r\n广告=甲|http://a/\r\n[2]\r\n广告=caption only\r\n");
    advert_state().link_ad_count = 2;
    on_next_text_ad_tick();
    host_.set_timer_period(Control::时钟1, 0);
    host_.set_timer_period(Control::时钟2, 4000);
    on_next_text_ad_tick();
    EXPECT_EQ(host_.text(Control::超级链接框1), "甲");
    EXPECT_EQ(host_.link_target(Control::超级链接框1), "http://a/");
    EXPECT_EQ(host_.timer_period(Control::时钟1), 10);
    EXPECT_EQ(host_.timer_period(Control::时钟2), 0);
}

TEST_F(Adverts, PictureAdvertsRotateAndKeepTheirLink) {
    settings(
        "[图片总数]\r\n计数=2\r\n[图1]\r\n图片广告=http://i/1|http://link1/|1.png\r\n"
        "[图2]\r\n图片广告=http://i/2|http://link2/|gone.png\r\n");
    picture_file("1.png", "ONE");
    advert_state().picture_ad_index = 2;  // where the start-up downloads leave it

    on_picture_ad_tick();
    EXPECT_EQ(advert_state().picture_ad_index.load(), 1);
    EXPECT_EQ(advert_state().picture_ad_link, "http://link1/");
    on_picture_ad_tick();  // its file is missing: no picture, but the link moves on
    EXPECT_EQ(host_.picture_log, (std::vector<Bytes>{"ONE", ""}));
    EXPECT_EQ(advert_state().picture_ad_link, "http://link2/");

    // The count is read afresh: dropping below the index starts over at 1.
    settings("[图片总数]\r\n计数=1\r\n[图1]\r\n图片广告=http://i/1|http://link1/|1.png\r\n");
    on_picture_ad_tick();
    EXPECT_EQ(advert_state().picture_ad_count.load(), 1);
    EXPECT_EQ(advert_state().picture_ad_index.load(), 1);
    EXPECT_EQ(host_.picture_log.back(), "ONE");
}

TEST_F(Adverts, AnUnusablePictureEntryChangesNothing) {
    picture_file("1.png", "ONE");
    for (const char* value :
         {"http://i/1|http://bad/|../tumbrix/1.png", "http://i/1|http://bad/", ""}) {
        SCOPED_TRACE(value);
        settings(std::string("[图片总数]\r\n计数=1\r\n[图1]\r\n图片广告=") + value + "\r\n");
        on_picture_ad_tick();
        EXPECT_TRUE(host_.picture_log.empty());
        EXPECT_EQ(advert_state().picture_ad_link, "");
    }
}

TEST_F(Adverts, APictureClickOpensTheLinkShownLast) {
    settings("[图片总数]\r\n计数=1\r\n[图1]\r\n图片广告=http://i/1|http://link1/|1.png\r\n");
    on_picture_ad_click();  // before the first tick there is no link
    EXPECT_TRUE(host_.opened.empty());
    on_picture_ad_tick();
    on_picture_ad_click();
    EXPECT_EQ(host_.opened, std::vector<Text>{"http://link1/"});
}

TEST_F(Adverts, TheWebAdvertReloadsOnEveryTick) {
    settings("[网页]\r\n网页广告=http://web/\r\n");
    on_web_ad_tick();
    on_web_ad_tick();
    std::filesystem::remove(settings_file());
    on_web_ad_tick();
    EXPECT_EQ(host_.log, (std::vector<std::string>{"address web http://web/",
                                                   "address web http://web/", "address web "}));
}

}  // namespace
}  // namespace tumbrix::testing
