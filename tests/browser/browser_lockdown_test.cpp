#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QWebEngineDownloadRequest>
#include <QWebEngineNewWindowRequest>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <algorithm>
#include <atomic>
#include <memory>
#include <vector>

#include "browser_env.h"
#include "platform/browser_box.h"
#include "platform/page_reader.h"
#include "web/browser_page.h"

namespace tumbrix::test {
namespace {

using namespace std::chrono_literals;

// The advert boxes load whatever address a remote page names: what such a
// page tries must come to nothing.
class BrowserLockdownTest : public BrowserTest {
  protected:
    // An advert box, shown like 超文本浏览框2.
    QWebEngineView* shown_box() {
        advert_.reset(create_browser_box(nullptr));
        advert_->resize(320, 240);
        advert_->show();
        return advert_.get();
    }
    void TearDown() override {
        advert_.reset();
        BrowserTest::TearDown();
    }

    std::unique_ptr<QWebEngineView> advert_;
};

TEST_F(BrowserLockdownTest, PopupsAndNewWindowsAreRefused) {
    std::atomic<int> popup_hits{0};
    server_.routes().Get("/popup", [&](const httplib::Request&, httplib::Response& response) {
        ++popup_hits;
        response.set_content("<html><body>popup</body></html>", "text/html");
    });
    server_.routes().Get(
        "/advert",
        html("<html><head><title>advert</title></head><body style=\"margin:0\">"
             "<a href=\"/popup\" target=\"_blank\" style=\"display:block;height:240px\">x</a>"
             "<script>document.title = 'window.open gave ' + window.open('/popup');</script>"
             "</body></html>"));
    QWebEngineView* box = shown_box();
    int window_requests = 0;
    QObject::connect(box->page(), &QWebEnginePage::newWindowRequested,
                     [&](QWebEngineNewWindowRequest&) { ++window_requests; });
    ASSERT_TRUE(load_in_box(box, QString::fromStdString(server_.url("/advert"))));
    EXPECT_EQ(box->page()->title(), QStringLiteral("window.open gave null"));

    // A real click on a target="_blank" link asks for a new window.
    ASSERT_TRUE(wait_until([&] { return box->focusProxy() != nullptr; }));
    QTest::mouseClick(box->focusProxy(), Qt::LeftButton, {}, QPoint(50, 50));
    ASSERT_TRUE(wait_until([&] { return window_requests > 0; })) << "the click did not arrive";
    QTest::qWait(300);
    EXPECT_EQ(popup_hits.load(), 0);
    EXPECT_EQ(box->url(), QUrl(QString::fromStdString(server_.url("/advert"))));
}

TEST_F(BrowserLockdownTest, DownloadsAreCancelled) {
    server_.routes().Get("/file.bin", [](const httplib::Request&, httplib::Response& response) {
        response.set_header("Content-Disposition", "attachment; filename=\"tumbrix-test.bin\"");
        response.set_content(std::string(64 * 1024, 'x'), "application/octet-stream");
    });
    server_.routes().Get("/advert", html("<html><body><script>"
                                         "location.href = '/file.bin';"
                                         "</script></body></html>"));
    QWebEngineView* box = shown_box();
    struct Seen {
        QWebEngineDownloadRequest::DownloadState state;
        QString path;
    };
    std::vector<Seen> downloads;
    // Connected after the box's own handler, so this sees what it left.
    QObject::connect(box->page()->profile(), &QWebEngineProfile::downloadRequested,
                     [&](QWebEngineDownloadRequest* download) {
                         downloads.push_back({download->state(), download->downloadDirectory() +
                                                                     QStringLiteral("/") +
                                                                     download->downloadFileName()});
                     });
    box->load(QUrl(QString::fromStdString(server_.url("/advert"))));
    ASSERT_TRUE(wait_until([&] { return !downloads.empty(); }));
    QTest::qWait(300);
    for (const Seen& seen : downloads) {
        EXPECT_EQ(seen.state, QWebEngineDownloadRequest::DownloadCancelled);
        EXPECT_FALSE(QFile::exists(seen.path)) << seen.path.toStdString();
    }
}

TEST_F(BrowserLockdownTest, PermissionRequestsAreRefused) {
    server_.routes().Get(
        "/advert",
        html("<html><head><title></title></head><body><script>"
             "const say = (what) => { document.title += what + ';'; };"
             "Notification.requestPermission().then((r) => say('notifications ' + r));"
             "navigator.geolocation.getCurrentPosition(() => say('location given'),"
             "    (e) => say('location ' + (e.code === e.PERMISSION_DENIED ? 'denied' : e.code)));"
             "navigator.mediaDevices.getUserMedia({audio: true, video: true})"
             "    .then(() => say('camera given'), (e) => say('camera ' + e.name));"
             "navigator.clipboard.readText().then(() => say('clipboard given'),"
             "    (e) => say('clipboard ' + e.name));"
             "say('full screen ' + document.fullscreenEnabled);"
             "</script></body></html>"));
    QWebEngineView* box = shown_box();
    int asked = 0;
    QObject::connect(box->page(), &QWebEnginePage::featurePermissionRequested,
                     [&](const QUrl&, QWebEnginePage::Feature) { ++asked; });
    ASSERT_TRUE(load_in_box(box, QString::fromStdString(server_.url("/advert"))));
    const auto title = [&] { return box->page()->title().toStdString(); };
    ASSERT_TRUE(wait_until([&] {
        const std::string now = title();
        return std::count(now.begin(), now.end(), ';') == 5;
    })) << title();
    for (const char* outcome :
         {"notifications denied;", "location denied;", "camera NotAllowedError;",
          "clipboard NotAllowedError;", "full screen false;"})
        EXPECT_NE(title().find(outcome), std::string::npos) << outcome << " in " << title();
    EXPECT_GE(asked, 3) << "the page's requests did not reach the box";
}

TEST_F(BrowserLockdownTest, LocalAndOtherNonWebAddressesAreNotShown) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QFile local(folder.filePath(QStringLiteral("local.html")));
    ASSERT_TRUE(local.open(QIODevice::WriteOnly));
    local.write("<html><body>local-marker</body></html>");
    local.close();
    server_.routes().Get("/advert", html("<html><body>advert</body></html>"));

    const QString addresses[] = {
        QUrl::fromLocalFile(local.fileName()).toString(),
        QStringLiteral("data:text/html,<p>data-marker</p>"),
        QStringLiteral("qrc:/"),
    };
    QWebEngineView* box = shown_box();
    ASSERT_TRUE(load_in_box(box, QString::fromStdString(server_.url("/advert"))));
    for (const QString& address : addresses) {
        SCOPED_TRACE(address.toStdString());
        EXPECT_TRUE(load_in_box(box, address));
        // The box stays on the page it showed.
        PageReader reader;
        ASSERT_TRUE(reader.attach(box));
        const Text shown = reader.read_text("outerHTML");
        EXPECT_TRUE(contains(shown, "advert")) << shown;
        EXPECT_FALSE(contains(shown, "marker")) << shown;
    }
}

TEST_F(BrowserLockdownTest, BoxesShareOneProfileThatKeepsNothing) {
    QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).removeRecursively();
    QDir(QStandardPaths::writableLocation(QStandardPaths::CacheLocation)).removeRecursively();
    std::string cookie_seen;
    server_.routes().Get("/set", [](const httplib::Request&, httplib::Response& response) {
        response.set_header("Set-Cookie", "kept=yes; Max-Age=3600; Path=/");
        response.set_header("Cache-Control", "max-age=3600");
        response.set_content(
            "<html><body><script>localStorage.setItem('kept', 'yes');"
            "</script>set</body></html>",
            "text/html");
    });
    server_.routes().Get("/check",
                         [&](const httplib::Request& request, httplib::Response& response) {
                             cookie_seen = request.get_header_value("Cookie");
                             response.set_content("<html><body>check</body></html>", "text/html");
                         });

    QWebEngineView* advert = shown_box();
    QWebEngineProfile* profile = box_->page()->profile();
    EXPECT_EQ(advert->page()->profile(), profile);
    EXPECT_TRUE(profile->isOffTheRecord());
    EXPECT_TRUE(contains(read_browser_page(server_.url("/set")), "set"));
    ASSERT_TRUE(contains(read_browser_page(server_.url("/check")), "check"));
    EXPECT_EQ(cookie_seen, "kept=yes") << "the cookie was not even kept in memory";

    // With every box gone the profile goes; a new box starts afresh.
    advert_.reset();
    delete box_.data();
    box_ = create_browser_box(nullptr);
    set_page_reader_box(box_);
    ASSERT_TRUE(contains(read_browser_page(server_.url("/check")), "check"));
    EXPECT_EQ(cookie_seen, "");
    for (const auto location : {QStandardPaths::AppDataLocation, QStandardPaths::CacheLocation}) {
        const QString path = QStandardPaths::writableLocation(location);
        EXPECT_FALSE(QDir(path).exists(QStringLiteral("QtWebEngine"))) << path.toStdString();
    }
}

}  // namespace
}  // namespace tumbrix::test
