// Tumbrix reads the Google routes through its browser box, as Chromium writes
// the loaded document back. The simulated Google pages are written in that
// very form, so the browser's view of them is the page as served, and the
// unquoted Hotfile link the reader looks for survives.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QEventLoop>
#include <QGuiApplication>
#include <QTimer>
#include <QUrl>
#include <QWebEnginePage>
#include <memory>
#include <string>

#include "page_reader.h"
#include "tools/simweb/results_page.h"
#include "tools/simweb/server.h"
#include "tumbrix/endpoints.h"

namespace tumbrix::simweb {
namespace {

class BrowserView : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        // Chromium refuses its sandbox as root; the GPU is of no use offscreen.
        if (geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
            qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
        if (qEnvironmentVariableIsEmpty("QTWEBENGINE_CHROMIUM_FLAGS"))
            qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu");
        QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
        static int argc = 1;
        static char name[] = "simweb_browser_test";
        static char* argv[] = {name, nullptr};
        app_ = new QGuiApplication(argc, argv);
    }
    static void TearDownTestSuite() {
        delete app_;
        app_ = nullptr;
    }

    void SetUp() override { ASSERT_GT(server_.start(0), 0); }

    // The document as the browser box hands it over; empty when it did not load.
    std::string outer_html(const std::string& target) {
        QWebEnginePage page;
        QEventLoop loop;
        QString html;
        bool loaded = false;
        QObject::connect(&page, &QWebEnginePage::loadFinished, &loop, [&](bool ok) {
            loaded = ok;
            if (!ok) return loop.quit();
            page.runJavaScript(QStringLiteral("document.documentElement.outerHTML"),
                               [&](const QVariant& v) {
                                   html = v.toString();
                                   loop.quit();
                               });
        });
        QTimer::singleShot(60000, &loop, &QEventLoop::quit);
        page.load(QUrl(QString::fromStdString(server_.base() + target)));
        loop.exec();
        return loaded ? html.toStdString() : std::string();
    }

    Sites sites() const {
        Sites s = sites_of_this_build();
        s.self_base = server_.base();
        return s;
    }

    static inline QGuiApplication* app_ = nullptr;
    Server server_{sites_of_this_build()};
};

TEST_F(BrowserView, GooglePagesReadAsServed) {
    namespace ep = tumbrix::endpoints;
    const struct {
        std::string q;  // the q value as Tumbrix encodes it
        Text keyword;   // GBK
        Source source;
        int32_t first;
    } cases[] = {
        {"%22demo%22+site:" + std::string(ep::kDomainXun6), "demo", Source::xun6, 0},
        {"%22demo%22+site:" + std::string(ep::kDomainHotfile), "demo", Source::hotfile, 10},
        {"%22hits25%22+site:" + std::string(ep::kDomainHotfile), "hits25", Source::hotfile, 20},
        {"%22%E7%BD%91%E7%9B%98%20a%26b%20%3Cc%3E%20%22q%22%22+site:" +
             std::string(ep::kDomainXun6),
         "网盘 a&b <c> \"q\"", Source::xun6, 0},
        {"%22nothing%22+site:" + std::string(ep::kDomainXun6), "nothing", Source::xun6, 0},
    };
    for (const auto& c : cases) {
        const std::string target = "/search?q=" + c.q + "&start=" + std::to_string(c.first);
        SCOPED_TRACE(target);
        const ServedPage served = results_page({c.source, c.keyword, c.first}, sites());
        const std::string doctype = "<!DOCTYPE html>\n";
        ASSERT_TRUE(served.body.starts_with(doctype));

        const std::string seen = outer_html(target);
        EXPECT_EQ(seen, served.body.substr(doctype.size()));
        const testing::PageReading r = testing::read_page(c.source, seen, sites());
        EXPECT_EQ(r.rows, served.rows);
        EXPECT_EQ(r.hits, served.hits);
        EXPECT_EQ(r.nothing_found, served.hits == 0);
    }
}

}  // namespace
}  // namespace tumbrix::simweb
