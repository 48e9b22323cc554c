#include "notice/picture_cache.h"

#include "notice_fixture.h"

namespace tumbrix::testing {
namespace {

class PictureCache : public NoticeTest {
  protected:
    // Writes a settings file with these picture entries (address|link|name).
    void settings(const std::vector<std::string>& entries) {
        std::string text = "[图片总数]\r\n计数=" + std::to_string(entries.size()) + "\r\n";
        for (size_t i = 0; i < entries.size(); ++i) {
            text += "[图" + std::to_string(i + 1) + "]\r\n图片广告=" + entries[i] + "\r\n";
        }
        ASSERT_TRUE(write_settings_file(text));
    }
    std::string entry(const std::string& path, const std::string& name) {
        return server_.url(path) + "|http://link/|" + name;
    }
    // A later start: a new process begins with the picture index at 0.
    void next_start() {
        reset_advert_state();
        cache_picture_ads();
    }
    // Every file under the test's folder, but the two settings files.
    std::vector<std::string> files_written() const {
        std::vector<std::string> found;
        for (const auto& e : std::filesystem::recursive_directory_iterator(root())) {
            if (e.is_directory() || e.path().filename() == settings_file().filename()) continue;
            found.push_back(std::filesystem::relative(e.path(), root()).string());
        }
        std::sort(found.begin(), found.end());
        return found;
    }
};

TEST_F(PictureCache, DownloadsEachPictureOnce) {
    server_.set_picture("/img/a", "PICTURE-A");
    server_.set_picture("/img/b", std::string("PNG\0B", 5));
    settings({entry("/img/a", "a.png"), entry("/img/b", "图b.png")});
    cache_picture_ads();
    EXPECT_EQ(files::read_whole_file(private_folder() / "a.png"), "PICTURE-A");
    EXPECT_EQ(files::read_whole_file(files::path_in(private_folder(), "图b.png")),
              std::string("PNG\0B", 5));
    EXPECT_EQ(advert_state().picture_ad_count.load(), 2);
    EXPECT_EQ(advert_state().picture_ad_index.load(), 2);

    next_start();
    EXPECT_EQ(server_.hits("/img/a"), 1);
    EXPECT_EQ(server_.hits("/img/b"), 1);
}

TEST_F(PictureCache, KeepsAnExistingFileEvenWhenItsAddressChanged) {
    std::filesystem::create_directories(private_folder());
    ASSERT_TRUE(files::write_whole_file(private_folder() / "a.png", "OLD"));
    server_.set_picture("/img/new", "NEW");
    settings({entry("/img/new", "a.png")});
    cache_picture_ads();
    EXPECT_EQ(server_.hits("/img/new"), 0);
    EXPECT_EQ(files::read_whole_file(private_folder() / "a.png"), "OLD");
}

TEST_F(PictureCache, TwoAdvertsWithOneFileNameDownloadOnlyTheFirst) {
    server_.set_picture("/img/a", "A");
    server_.set_picture("/img/b", "B");
    settings({entry("/img/a", "same.png"), entry("/img/b", "same.png")});
    cache_picture_ads();
    EXPECT_EQ(server_.hits("/img/a"), 1);
    EXPECT_EQ(server_.hits("/img/b"), 0);
    EXPECT_EQ(files::read_whole_file(private_folder() / "same.png"), "A");
}

TEST_F(PictureCache, AFailedDownloadWritesNothingAndIsTriedAgain) {
    settings({entry("/img/late", "late.png"), "http://127.0.0.1:1/x|http://link/|closed.png"});
    cache_picture_ads();
    EXPECT_EQ(server_.hits("/img/late"), 1);
    EXPECT_EQ(files_written(), std::vector<std::string>{});

    server_.set_picture("/img/late", "LATE");
    next_start();
    EXPECT_EQ(server_.hits("/img/late"), 2);
    EXPECT_EQ(files::read_whole_file(private_folder() / "late.png"), "LATE");
}

TEST_F(PictureCache, SkipsEntriesThatNameNoPlainFile) {
    server_.set_picture("/img/bad", "BAD");
    server_.set_picture("/img/good", "GOOD");
    const std::string planted = (root() / "planted").string();
    settings({
        entry("/img/bad", "../x"),
        entry("/img/bad", planted),
        entry("/img/bad", "a\\b"),
        entry("/img/bad", ".."),
        server_.url("/img/bad") + "|http://link/",  // no file name
        server_.url("/img/bad") + "|http://link/|",
        "",
        entry("/img/good", "good.png"),
    });
    cache_picture_ads();
    EXPECT_EQ(server_.hits("/img/bad"), 0);
    EXPECT_EQ(files_written(), std::vector<std::string>{"cache/tumbrix/good.png"});
    EXPECT_EQ(advert_state().picture_ad_index.load(), 8);
}

TEST_F(PictureCache, NoCountNoDownloads) {
    server_.set_picture("/img/a", "A");
    ASSERT_TRUE(write_settings_file("[图1]\r\n图片广告=" + entry("/img/a", "a.png") + "\r\n"));
    cache_picture_ads();
    EXPECT_EQ(server_.all_hits(), 0);
    EXPECT_EQ(advert_state().picture_ad_index.load(), 0);
}

}  // namespace
}  // namespace tumbrix::testing
