#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QTemporaryDir>
#include <fstream>

#include "platform/files.h"

namespace tumbrix::files {
namespace {

std::string repeat(std::string_view piece, int times) {
    std::string out;
    for (int i = 0; i < times; ++i) out += piece;
    return out;
}

TEST(PlainFileName, AcceptsOnlyANameThatStaysInItsFolder) {
    const struct {
        std::string name;
        bool plain;
    } cases[] = {
        {"a.jpg", true},
        {"图片1.gif", true},
        {"..a", true},
        {"\x81\x5C.jpg", true},  // one GBK character whose trail byte is "\"
        {std::string(255, 'n'), true},
        {"", false},
        {".", false},
        {"..", false},
        {"../x", false},
        {"/etc/x", false},
        {"a/", false},
        {"a\\b", false},
        {std::string("a\0b", 3), false},
        {std::string(256, 'n'), false},
        {repeat("图", 85), true},  // 255 bytes as a file-system name
        {repeat("图", 86), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(is_plain_file_name(c.name), c.plain);
    }
}

class Files : public ::testing::Test {
  protected:
    QTemporaryDir dir_;
    std::filesystem::path root_ = dir_.path().toStdString();
};

TEST_F(Files, WritesReplacesAndReadsWholeContent) {
    const auto file = path_in(root_, "图.bin");
    EXPECT_EQ(file.filename().string(), reinterpret_cast<const char*>(u8"图.bin"));
    EXPECT_FALSE(entry_exists(file));
    EXPECT_EQ(read_whole_file(file), "");
    ASSERT_TRUE(write_whole_file(file, std::string("long\0content", 12)));
    ASSERT_TRUE(write_whole_file(file, "short"));
    EXPECT_TRUE(entry_exists(file));
    EXPECT_EQ(read_whole_file(file), "short");
}

TEST_F(Files, NeverWritesThroughALink) {
    const auto target = root_ / "target";
    { std::ofstream(target) << "keep"; }
    std::filesystem::create_symlink(target, root_ / "link");
    EXPECT_FALSE(write_whole_file(root_ / "link", "overwritten"));
    EXPECT_EQ(read_whole_file(target), "keep");
    std::filesystem::create_symlink(root_ / "nowhere", root_ / "dangling");
    EXPECT_TRUE(entry_exists(root_ / "dangling"));
}

TEST_F(Files, ReadsNothingButRegularFiles) {
    ASSERT_EQ(::mkfifo((root_ / "fifo").c_str(), 0600), 0);
    EXPECT_EQ(read_whole_file(root_ / "fifo"), "");  // returns at once, no writer needed
    EXPECT_EQ(read_whole_file(root_), "");
}

}  // namespace
}  // namespace tumbrix::files
