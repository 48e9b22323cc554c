#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QTemporaryDir>
#include <fstream>

#include "platform/folders.h"

namespace tumbrix::folders {
namespace {

class PrivateFolder : public ::testing::Test {
  protected:
    void SetUp() override { override_folders_for_tests(base_, base_ / "documents"); }
    void TearDown() override { override_folders_for_tests({}, {}); }

    static mode_t mode_of(const std::filesystem::path& p) {
        struct stat st {};
        EXPECT_EQ(::lstat(p.c_str(), &st), 0);
        return st.st_mode & 07777;
    }

    QTemporaryDir dir_;
    std::filesystem::path base_ = std::filesystem::path(dir_.path().toStdString()) / "cache";
    std::filesystem::path expected_ = base_ / "tumbrix";
};

TEST_F(PrivateFolder, IsCreatedForTheUserAlone) {
    const auto folder = private_folder();
    ASSERT_TRUE(folder);
    EXPECT_EQ(*folder, expected_);
    EXPECT_EQ(mode_of(expected_), 0700u);
    EXPECT_EQ(private_folder(), folder);  // a second call finds it usable
    EXPECT_EQ(documents_folder(), base_ / "documents");
}

TEST_F(PrivateFolder, AnOpenFolderOfOursIsClosedToOthers) {
    std::filesystem::create_directories(expected_);
    ::chmod(expected_.c_str(), 0777);
    EXPECT_EQ(private_folder(), expected_);
    EXPECT_EQ(mode_of(expected_), 0700u);
}

TEST_F(PrivateFolder, RefusesALinkPlantedInItsPlace) {
    const std::filesystem::path elsewhere = base_.parent_path() / "elsewhere";
    std::filesystem::create_directories(elsewhere);
    ::chmod(elsewhere.c_str(), 0755);
    std::filesystem::create_directories(base_);
    std::filesystem::create_directory_symlink(elsewhere, expected_);
    EXPECT_FALSE(private_folder());
    EXPECT_EQ(mode_of(elsewhere), 0755u);  // the link's target is left as it was
}

TEST_F(PrivateFolder, RefusesAFileInItsPlace) {
    std::filesystem::create_directories(base_);
    { std::ofstream(expected_) << "x"; }
    EXPECT_FALSE(private_folder());
}

TEST_F(PrivateFolder, RefusesAFolderOwnedBySomeoneElse) {
    if (::geteuid() != 0) GTEST_SKIP() << "needs root to hand a folder to another account";
    std::filesystem::create_directories(expected_);
    ::chmod(expected_.c_str(), 0700);
    ASSERT_EQ(::chown(expected_.c_str(), 65534, 65534), 0);
    EXPECT_FALSE(private_folder());
}

TEST_F(PrivateFolder, NothingWithoutAnAbsoluteBase) {
    override_folders_for_tests("relative/cache", {});
    EXPECT_FALSE(private_folder());
}

}  // namespace
}  // namespace tumbrix::folders
