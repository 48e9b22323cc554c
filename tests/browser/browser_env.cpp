#include "browser_env.h"

#include <QApplication>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <QWebEngineLoadingInfo>
#include <QWebEnginePage>
#include <memory>

#include "platform/browser_box.h"
#include "platform/lifetime.h"

namespace tumbrix::test {
namespace {

// One application object for the whole run; every box is gone before it goes,
// and with the last box the shared profile.
class QtEnvironment : public ::testing::Environment {
  public:
    void SetUp() override {
        QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
        // Whatever Qt would write below the user's folders goes to a test
        // folder instead; the profile test checks that nothing is written.
        QStandardPaths::setTestModeEnabled(true);
        app_ = std::make_unique<QApplication>(argc_, argv_);
    }
    void TearDown() override { app_.reset(); }

  private:
    int argc_ = 1;
    char name_[13] = "browser_test";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QApplication> app_;
};

[[maybe_unused]] ::testing::Environment* const kQt =
    ::testing::AddGlobalTestEnvironment(new QtEnvironment);

}  // namespace

void BrowserTest::SetUp() {
    box_ = create_browser_box(nullptr);
    set_page_reader_box(box_);
}

void BrowserTest::TearDown() {
    set_page_reader_box(nullptr);
    delete box_.data();
    reset_shutdown_for_tests();
}

void BrowserTest::soon(std::chrono::milliseconds delay, std::function<void()> action) {
    QTimer::singleShot(delay, &timers_, std::move(action));
}

long long BrowserTest::elapsed_ms(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() -
                                                                 start)
        .count();
}

bool wait_until(const std::function<bool()>& done, std::chrono::milliseconds limit) {
    return QTest::qWaitFor(done, static_cast<int>(limit.count()));
}

bool load_in_box(QWebEngineView* box, const QString& url) {
    bool ended = false;
    const auto connection = QObject::connect(
        box->page(), &QWebEnginePage::loadingChanged, [&](const QWebEngineLoadingInfo& info) {
            if (info.status() != QWebEngineLoadingInfo::LoadStartedStatus) ended = true;
        });
    box->load(QUrl(url));
    wait_until([&] { return ended; });
    QObject::disconnect(connection);
    return ended;
}

httplib::Server::Handler html(std::string body, std::string content_type) {
    return [body = std::move(body), content_type = std::move(content_type)](
               const httplib::Request&, httplib::Response& response) {
        response.set_content(body, content_type.c_str());
    };
}

}  // namespace tumbrix::test
