#include "platform/page_reader.h"

#include <QPointer>
#include <QVariant>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineView>
#include <cstdint>
#include <optional>

#include "platform/codepage.h"
#include "platform/event_wait.h"

namespace tumbrix {

// A page and the mark this reader layer left on the document it showed. The
// mark lives in a script world of our own, out of reach of the page's scripts,
// and goes with the document: a later page of the box has no mark or another.
class BrowserDocument {
  public:
    QPointer<QWebEnginePage> page;
    std::uint64_t mark = 0;
};

namespace {

std::uint64_t g_last_mark = 0;

// Runs `script` in our script world of `page` and waits for its value.
std::optional<QVariant> run_script(QWebEnginePage* page, const QString& script) {
    struct Answer {
        std::optional<QVariant> value;
        EventWait* wait = nullptr;
    };
    // The answer may come after the wait has given up: it then lands here.
    auto answer = std::make_shared<Answer>();
    EventWait wait(kDocumentRequestLimit);
    wait.watch(page);
    answer->wait = &wait;
    page->runJavaScript(script, QWebEngineScript::ApplicationWorld, [answer](const QVariant& v) {
        answer->value = v;
        if (answer->wait) answer->wait->finish();
    });
    wait.run();
    answer->wait = nullptr;
    return answer->value;
}

// A JavaScript string literal that holds `s` whatever characters it has.
QString script_string(const std::u16string& s) {
    QString out = QStringLiteral("\"");
    for (const char16_t c : s) {
        const bool plain = (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') ||
                           (c >= u'0' && c <= u'9') || c == u'_';
        if (plain)
            out += QChar(c);
        else
            out += QStringLiteral("\\u%1").arg(static_cast<unsigned>(c), 4, 16, QLatin1Char('0'));
    }
    return out + QStringLiteral("\"");
}

}  // namespace

PageReader::~PageReader() = default;

std::unique_ptr<PageReader> PageReader::copy() const {
    return std::make_unique<PageReader>(*this);
}

bool PageReader::attach(DocumentRef document) {
    document_ = std::move(document);
    return document_ != nullptr;
}

bool PageReader::attach(QWebEngineView* box) {
    document_.reset();
    if (!box) return false;
    QPointer<QWebEnginePage> page = box->page();
    if (!page || page->url().isEmpty()) return false;
    // Keeps the mark a document already has, so readers of one document agree.
    const std::uint64_t mark = ++g_last_mark;
    const auto answer =
        run_script(page, QStringLiteral("(function () {"
                                        "  if (typeof document.__tumbrix_mark !== 'number')"
                                        "    document.__tumbrix_mark = %1;"
                                        "  return document.__tumbrix_mark;"
                                        "})()")
                             .arg(mark));
    if (!page || !answer) return false;
    bool ok = false;
    const qulonglong shown = answer->toULongLong(&ok);
    if (!ok || shown == 0) return false;
    document_ = std::make_shared<const BrowserDocument>(BrowserDocument{page, shown});
    return true;
}

Text PageReader::read_text(const Text& name) const {
    if (!document_ || !document_->page) return {};
    const auto answer = run_script(
        document_->page,
        QStringLiteral("(function (mark, name) {"
                       "  if (document.__tumbrix_mark !== mark) return null;"
                       "  const owner = name === 'outerHTML' || name === 'innerText'"
                       "      ? document.documentElement : document;"
                       "  const value = owner ? owner[name] : undefined;"
                       "  return typeof value === 'string' ? value : null;"
                       "})(%1, %2)")
            .arg(QString::number(document_->mark), script_string(codepage::gbk_to_utf16(name))));
    if (!answer || answer->typeId() != QMetaType::QString) return {};
    return codepage::utf16_to_gbk(answer->toString().toStdU16String());
}

}  // namespace tumbrix
