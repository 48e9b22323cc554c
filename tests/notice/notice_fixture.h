#pragma once
// What every notice test starts from: the advert state reset, both folders in
// a temporary folder of the test's own, a recording host and a loopback server.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTemporaryDir>

#include "notice/advert_state.h"
#include "notice/settings_file.h"
#include "notice_server.h"
#include "platform/files.h"
#include "platform/folders.h"
#include "recording_host.h"

namespace tumbrix::testing {

class NoticeTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        reset_advert_state();
        folders::override_folders_for_tests(root() / "cache", root() / "documents");
        std::filesystem::create_directories(root() / "documents");
    }
    void TearDown() override { folders::override_folders_for_tests({}, {}); }

    std::filesystem::path root() const { return dir_.path().toStdString(); }
    std::filesystem::path private_folder() const { return root() / "cache" / "tumbrix"; }
    std::filesystem::path settings_file() const {
        return files::path_in(private_folder(), "配置.ini");
    }
    Bytes settings_bytes() const { return files::read_whole_file(settings_file()); }
    void write_documents_settings(std::string_view content) {
        ASSERT_TRUE(
            files::write_whole_file(files::path_in(root() / "documents", "配置.ini"), content));
    }

    QTemporaryDir dir_;
    RecordingHost host_;
    NoticeServer server_;
};

}  // namespace tumbrix::testing
