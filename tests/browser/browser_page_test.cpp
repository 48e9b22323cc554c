#include <QPushButton>
#include <QWebEnginePage>

#include "browser_env.h"
#include "platform/browser_box.h"
#include "platform/lifetime.h"
#include "web/browser_page.h"

namespace tumbrix::test {
namespace {

using namespace std::chrono_literals;

class BrowserPageTest : public BrowserTest {
  protected:
    // Serves `body` after `delay`, as a slow result page would.
    void serve_late(const std::string& path, std::chrono::milliseconds delay, std::string body) {
        server_.routes().Get(
            path, [this, delay, body](const httplib::Request&, httplib::Response& response) {
                server_.pause(delay);
                response.set_content(body, "text/html; charset=utf-8");
            });
    }
    void serve_pages_a_and_b(std::chrono::milliseconds delay) {
        serve_late("/a", delay,
                   "<html><head><title>Page A</title></head><body>alpha</body></html>");
        serve_late("/b", delay, "<html><head><title>Page B</title></head><body>beta</body></html>");
    }
    // A page whose answer never ends: the head of the page, then a space every
    // 50 ms for as long as the browser takes them.
    void serve_endless(const std::string& path) {
        server_.routes().Get(path, [this](const httplib::Request&, httplib::Response& response) {
            response.set_chunked_content_provider(
                "text/html", [this](size_t offset, httplib::DataSink& sink) {
                    if (offset == 0) return sink.write("<html><body>endless", 19);
                    server_.pause(50ms);
                    return !server_.closing() && sink.write(" ", 1);
                });
        });
    }
    // A server that takes the request and never answers.
    void serve_silent(const std::string& path) {
        server_.routes().Get(path, [this](const httplib::Request&, httplib::Response& response) {
            server_.pause(1h);
            response.set_content("too late", "text/html");
        });
    }
};

TEST_F(BrowserPageTest, ReturnsTheMarkupAsThePageScriptLeftIt) {
    server_.routes().Get("/script", html("<html><head><title>Before</title></head><body>"
                                         "<p id=\"p\">raw</p><script>"
                                         "document.getElementById('p').textContent = "
                                         "['re', 'written'].join('');"
                                         "</script></body></html>"));
    const Text page = read_browser_page(server_.url("/script"));
    EXPECT_EQ(page.rfind("<html>", 0), 0u) << page;
    EXPECT_TRUE(contains(page, "<p id=\"p\">rewritten</p>")) << page;
    EXPECT_FALSE(contains(page, ">raw<")) << page;
}

// Each read returns the page it asked for: not the blank box on the first read
// of a run, not the page before on the next ones.
TEST_F(BrowserPageTest, ReadsInARowReturnEachTheirOwnPageFromTheFirstOn) {
    serve_pages_a_and_b(300ms);
    const Text first = read_browser_page(server_.url("/a"));
    EXPECT_TRUE(contains(first, "<title>Page A</title>")) << first;
    const Text second = read_browser_page(server_.url("/b"));
    EXPECT_TRUE(contains(second, "<title>Page B</title>")) << second;
    EXPECT_FALSE(contains(second, "Page A")) << second;
    const Text again = read_browser_page(server_.url("/a"));
    EXPECT_TRUE(contains(again, "<title>Page A</title>")) << again;
}

TEST_F(BrowserPageTest, PageUnfinishedAtTheLimitGivesEmptyTextAndIsStopped) {
    serve_endless("/endless");
    serve_silent("/silent");
    serve_pages_a_and_b(0ms);
    for (const char* path : {"/endless", "/silent"}) {
        SCOPED_TRACE(path);
        const auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(read_browser_page(server_.url(path), 400ms), "");
        EXPECT_GE(elapsed_ms(start), 400);
        EXPECT_LT(elapsed_ms(start), 5000);
        EXPECT_FALSE(box_->page()->isLoading()) << "the load was not stopped";
        // The next read, right after, is not disturbed by the stopped load.
        const Text next = read_browser_page(server_.url("/a"), 10s);
        EXPECT_TRUE(contains(next, "Page A")) << next;
    }
}

TEST_F(BrowserPageTest, NothingToReadGivesEmptyTextAtOnce) {
    server_.routes().Get("/missing", [](const httplib::Request&, httplib::Response& response) {
        response.status = 404;
        response.set_content("<html><body>not here</body></html>", "text/html");
    });
    server_.routes().Get("/download", [](const httplib::Request&, httplib::Response& response) {
        response.set_header("Content-Disposition", "attachment; filename=\"file.bin\"");
        response.set_content(std::string(4096, 'x'), "application/octet-stream");
    });
    std::string closed_port;
    {
        LoopbackServer gone;
        closed_port = gone.url("/");
    }
    const std::string addresses[] = {
        closed_port,  // connection refused
        server_.url("/missing"),
        server_.url("/download"),
        "file:///etc/hostname",
        "about:blank",
        "data:text/html,<p>data</p>",
        "ftp://127.0.0.1/",
        "http://",
        "",
    };
    for (const std::string& address : addresses) {
        SCOPED_TRACE(address);
        const auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(read_browser_page(address, 30s), "");
        EXPECT_LT(elapsed_ms(start), 15000) << "waited for the limit";
    }
}

TEST_F(BrowserPageTest, NoReaderBoxGivesEmptyText) {
    serve_pages_a_and_b(0ms);
    set_page_reader_box(nullptr);
    EXPECT_EQ(read_browser_page(server_.url("/a")), "");
}

TEST_F(BrowserPageTest, StopClickIsHandledWhileTheReaderWaits) {
    serve_pages_a_and_b(800ms);
    QPushButton button(QStringLiteral("停止搜索"));
    bool clicked = false;
    QObject::connect(&button, &QPushButton::clicked, [&] { clicked = true; });
    soon(100ms, [&] { button.click(); });
    const Text page = read_browser_page(server_.url("/a"));
    EXPECT_TRUE(clicked) << "the click waited for the read";
    EXPECT_TRUE(contains(page, "Page A")) << page;
}

// A handler that runs inside the wait may read a page of its own: it gets its
// page, and the read it interrupted gives up instead of taking that page.
TEST_F(BrowserPageTest, ReadStartedInsideTheWaitReplacesTheWaitingRead) {
    serve_pages_a_and_b(600ms);
    Text inner;
    soon(100ms, [&] { inner = read_browser_page(server_.url("/b")); });
    const Text outer = read_browser_page(server_.url("/a"));
    EXPECT_TRUE(contains(inner, "Page B")) << inner;
    EXPECT_EQ(outer, "");
    const Text after = read_browser_page(server_.url("/a"));
    EXPECT_TRUE(contains(after, "Page A")) << after;
}

TEST_F(BrowserPageTest, ShutdownOrALostBoxEndsTheWait) {
    serve_silent("/silent");
    const std::pair<const char*, std::function<void()>> ends[] = {
        {"shutdown", [] { request_shutdown(); }},
        {"box deleted", [this] { delete box_.data(); }},
    };
    for (const auto& [what, end] : ends) {
        SCOPED_TRACE(what);
        soon(200ms, end);
        const auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(read_browser_page(server_.url("/silent"), 60s), "");
        EXPECT_LT(elapsed_ms(start), 10000);
        reset_shutdown_for_tests();
    }
    EXPECT_EQ(page_reader_box(), nullptr);
}

TEST_F(BrowserPageTest, ChineseTextComesBackInGbk) {
    struct Case {
        const char* path;
        const char* content_type;
        std::string body;
        Text expected;
    };
    const Case cases[] = {
        // In this build a plain literal is GBK and a u8 literal UTF-8.
        {"/gbk", "text/html; charset=gbk", "<html><body><p>网盘搜索器（2.3）</p></body></html>",
         "<p>网盘搜索器（2.3）</p>"},
        // An emoji has no GBK form: it becomes "?".
        {"/utf8", "text/html; charset=utf-8",
         reinterpret_cast<const char*>(
             u8"<html><body><p>此资源\U0001F600暂无描述</p></body></html>"),
         "<p>此资源?暂无描述</p>"},
    };
    for (const Case& c : cases) server_.routes().Get(c.path, html(c.body, c.content_type));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        const Text page = read_browser_page(server_.url(c.path));
        EXPECT_TRUE(contains(page, c.expected)) << page << " / " << c.expected;
    }
}

}  // namespace
}  // namespace tumbrix::test
