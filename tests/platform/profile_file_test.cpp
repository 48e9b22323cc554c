#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "platform/files.h"
#include "platform/profile_file.h"

namespace tumbrix {
namespace {

class ProfileFile : public ::testing::Test {
  protected:
    void write(std::string_view content) { ASSERT_TRUE(files::write_whole_file(file_, content)); }
    Text read(std::string_view section, std::string_view key) {
        return read_profile_string(file_, section, key);
    }

    QTemporaryDir dir_;
    std::filesystem::path file_ = std::filesystem::path(dir_.path().toStdString()) / "p.ini";
};

TEST_F(ProfileFile, FollowsTheProfileRules) {
    write(
        "[总数]\r\n"
        "次数=3\r\n"
        "  [Mixed]  \r\n"
        "Key = spaced value \t\r\n"
        "quoted=\"  a b  \"\r\n"
        "single='x'\r\n"
        "halfquote=\"x\r\n"
        "twice=\"\"x\"\"\r\n"
        "equals=a=b|c\r\n"
        "empty=\r\n"
        "no equals sign\r\n"
        "[网页]\n"
        "网页广告 = http://a/b \n"
        "[mixed]\r\n"
        "late=from the second section of that name\r\n");
    const struct {
        const char* section;
        const char* key;
        const char* value;
    } cases[] = {
        {"总数", "次数", "3"},
        {"mixed", "KEY", "spaced value"},
        {"MIXED", "quoted", "  a b  "},
        {"Mixed", "single", "x"},
        {"Mixed", "halfquote", "\"x"},
        {"Mixed", "twice", "\"x\""},
        {"Mixed", "equals", "a=b|c"},
        {"Mixed", "empty", ""},
        {"网页", "网页广告", "http://a/b"},
        {"mixed", "late", "from the second section of that name"},
        {"次数", "总数", ""},  // section and key swapped
        {"总数", "Key", ""},   // a key of another section
        {"总", "次数", ""},
        {"总数", "次", ""},
        {"", "次数", ""},
        {"总数", "", ""},
        {"Mixed", "no equals sign", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.section) + " / " + c.key);
        EXPECT_EQ(read(c.section, c.key), c.value);
    }
}

TEST_F(ProfileFile, FoldsOnlyAsciiLettersOfWholeCharacters) {
    // 0x81 0x5D is one GBK character whose trail byte is "]", and 0x81 0x41 one
    // whose trail byte is "A"; neither may be taken apart.
    write("[\x81\x5D]\r\nk=trail bracket\r\n[\x81\x41]\r\nk=trail letter\r\n");
    EXPECT_EQ(read("\x81\x5D", "k"), "trail bracket");
    EXPECT_EQ(read("\x81\x41", "K"), "trail letter");
    EXPECT_EQ(read("\x81\x61", "k"), "");
}

TEST_F(ProfileFile, CutsValuesAt10239Bytes) {
    write("[s]\r\nlong=" + std::string(20000, 'v') + "\r\nexact=" + std::string(10239, 'e') +
          "\r\nquoted=\"" + std::string(10239, 'q') + "\"\r\n");
    EXPECT_EQ(read("s", "long"), std::string(10239, 'v'));
    EXPECT_EQ(read("s", "exact"), std::string(10239, 'e'));
    EXPECT_EQ(read("s", "quoted"), std::string(10239, 'q'));
}

TEST_F(ProfileFile, ReadsTheFileAfreshOnEveryCall) {
    EXPECT_EQ(read("s", "k"), "");  // no file yet
    write("[s]\r\nk=1\r\n");
    EXPECT_EQ(read("s", "k"), "1");
    write("[s]\r\nk=2\r\n");
    EXPECT_EQ(read("s", "k"), "2");
    std::filesystem::remove(file_);
    EXPECT_EQ(read("s", "k"), "");
}

}  // namespace
}  // namespace tumbrix
