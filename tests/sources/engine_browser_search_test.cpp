// The Google routes end to end: a click on the real window's 开始搜索 sends
// the hidden browser box to Google's address, which Chromium is told to find
// on 127.0.0.1, where a server answers with fixture pages.
#include <unistd.h>

#include <string>
#include <vector>

#include <tumbrix/endpoints.h>

#include <QApplication>
#include <QLabel>

#include "page_server.h"
#include "support/engine_fixtures.h"
#include "tests/app/window_fixture.h"

namespace tumbrix::testing {
namespace {

// Started before the application, so that Chromium can be told its port.
PageServer* g_google = nullptr;

class GoogleSearch : public WindowTest {
  protected:
    void search(const Text& keyword, std::initializer_list<const char*> pages) {
        std::vector<Bytes> bodies;
        for (const char* page : pages) bodies.push_back(engine_fixture(page));
        g_google->serve(bodies);
        click_source(0);  // 讯6
        set_control_text(Control::搜索框, keyword);
        click_start();
    }

    Text status() const { return to_text(find<QLabel>(u"状态条1.0")->text()); }
    std::vector<Text> row(int r) const {
        return {list_cell_text(r, 0), list_cell_text(r, 1), list_cell_text(r, 2)};
    }
};

TEST_F(GoogleSearch, Xun6ListsTwoFullPagesAndEndsOnTheShortLastOne) {
    search("关键字", {"source4_full.html", "source4_full.html", "source4_last.html"});
    ASSERT_EQ(list_row_count(), 20);
    EXPECT_EQ(row(0), (std::vector<Text>{"关键字资料01.rar ", "1.5 MB",
                                         "http://www.xun6.com/file/a1b2c3d01/"
                                         "%E8%B5%84%E6%96%9901.rar.html"}));
    EXPECT_EQ(row(19)[1], "10.5 MB");
    EXPECT_EQ(status(), "状态：已经搜索完毕！");
    expect_idle_look();
    EXPECT_EQ(g_google->values_of("start"), (std::vector<std::string>{"0", "10", "20"}));
    const std::string utf8_keyword = "\xE5\x85\xB3\xE9\x94\xAE\xE5\xAD\x97";  // 关键字
    EXPECT_EQ(g_google->values_of("q"),
              std::vector<std::string>(
                  3, "\"" + utf8_keyword + "\" site:" + std::string(endpoints::kDomainXun6)));
}

TEST_F(GoogleSearch, NothingFoundPageEndsTheSearch) {
    search("关键字", {"source4_none.html", "source4_full.html"});
    EXPECT_EQ(list_row_count(), 0);
    EXPECT_EQ(status(), "状态：没有搜索到相关的信息！！");
    expect_idle_look();
    EXPECT_EQ(g_google->targets().size(), 1u);
}

}  // namespace
}  // namespace tumbrix::testing

int main(int argc, char** argv) {
    tumbrix::testing::PageServer google;
    tumbrix::testing::g_google = &google;
    // Chromium looks Google's host up on the test's own server. The rule holds
    // spaces, so it stands in quotes among the flags.
    QByteArray flags = qEnvironmentVariableIsSet("QTWEBENGINE_CHROMIUM_FLAGS")
                           ? qgetenv("QTWEBENGINE_CHROMIUM_FLAGS")
                           : QByteArray(
                                 "--disable-gpu --disable-background-networking "
                                 "--disable-component-update");
    flags += " \"--host-resolver-rules=MAP " +
             QByteArray::fromStdString(tumbrix::testing::host_of(tumbrix::endpoints::kGoogleBase)) +
             " 127.0.0.1:" + QByteArray::number(google.port()) + "\"";
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags);
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
