#include "platform/page_reader.h"
#include "browser_env.h"
#include "platform/browser_box.h"
#include "platform/page_load.h"

namespace tumbrix::test {
namespace {

using namespace std::chrono_literals;

class PageReaderTest : public BrowserTest {
  protected:
    void SetUp() override {
        BrowserTest::SetUp();
        server_.routes().Get("/props", html("<html><head><title>Props 标题</title></head>"
                                            "<body><p>Hello <b>bold</b></p></body></html>",
                                            "text/html; charset=gbk"));
        server_.routes().Get("/a", html("<html><head><title>Page A</title></head></html>"));
        server_.routes().Get("/b", html("<html><head><title>Page B</title></head></html>"));
    }
    // Loads `path` in the box and binds a reader to what it shows.
    PageReader reader_on(const std::string& path) {
        EXPECT_NE(load_page_document(box_, server_.url(path), 10s), nullptr);
        PageReader reader;
        EXPECT_TRUE(reader.attach(box_.data()));
        return reader;
    }
};

TEST_F(PageReaderTest, ReadsPropertiesByName) {
    const PageReader reader = reader_on("/props");
    struct Case {
        Text name;
        Text expected;  // the whole text
    };
    const Case cases[] = {
        {"outerHTML",
         "<html><head><title>Props 标题</title></head><body><p>Hello "
         "<b>bold</b></p></body></html>"},
        {"innerText", "Hello bold"},  // the title is not part of the rendered text
        {"title", "Props 标题"},      // read from the document itself
        {"URL", server_.url("/props")},
        {"characterSet", "GBK"},
        {"noSuchProperty", ""},
        {"body", ""},  // an object, not a text
        {"", ""},
        {"title\"); alert(1); (\"", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(reader.read_text(c.name), c.expected);
    }
}

TEST_F(PageReaderTest, ReaderWithoutADocumentReadsNothing) {
    PageReader unbound;
    EXPECT_EQ(unbound.read_text("outerHTML"), "");
    EXPECT_FALSE(unbound.attach(static_cast<QWebEngineView*>(nullptr)));
    EXPECT_FALSE(unbound.attach(DocumentRef{}));
    // A box not yet sent anywhere shows no document to bind to.
    EXPECT_FALSE(unbound.attach(box_.data()));
    EXPECT_EQ(unbound.read_text("title"), "");
}

// A reader belongs to the document it was bound to: once the box has moved
// on, it reads nothing rather than the page shown now.
TEST_F(PageReaderTest, ReaderAndItsCopiesStayWithTheirDocument) {
    PageReader reader = reader_on("/a");
    const std::unique_ptr<PageReader> copy = reader.copy();
    EXPECT_EQ(copy->document(), reader.document());
    EXPECT_EQ(copy->read_text("title"), "Page A");

    ASSERT_NE(load_page_document(box_, server_.url("/b"), 10s), nullptr);
    EXPECT_EQ(reader.read_text("title"), "");
    EXPECT_EQ(copy->read_text("title"), "");
    EXPECT_TRUE(reader.attach(box_.data()));
    EXPECT_EQ(reader.read_text("title"), "Page B");
    EXPECT_EQ(copy->read_text("title"), "");

    // A failed bind leaves the reader unbound, not on its old document.
    EXPECT_FALSE(reader.attach(static_cast<QWebEngineView*>(nullptr)));
    EXPECT_EQ(reader.read_text("title"), "");

    delete box_.data();
    EXPECT_EQ(copy->read_text("title"), "");
}

// A page kept busy by a script cannot answer: the request gives up after its
// limit instead of waiting for the page.
TEST_F(PageReaderTest, BusyDocumentGivesEmptyTextWithinTheRequestLimit) {
    PageReader reader = reader_on("/a");
    box_->page()->runJavaScript(
        QStringLiteral("const end = Date.now() + 5000; while (Date.now() < end) {}"));
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(reader.read_text("title"), "");
    EXPECT_GE(elapsed_ms(start), kDocumentRequestLimit.count() - 50);
    EXPECT_LT(elapsed_ms(start), 4000);
}

}  // namespace
}  // namespace tumbrix::test
