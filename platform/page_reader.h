#pragma once
// Reads text properties, by name, of the document shown in a browser box.
#include <chrono>
#include <memory>

#include "text/text.h"

class QWebEngineView;

namespace tumbrix {

// A counted reference to one document shown in a browser box. Once the box has
// moved on to another page, the document is gone and reads through the
// reference give the empty text.
class BrowserDocument;
using DocumentRef = std::shared_ptr<const BrowserDocument>;

// The longest a request to a document waits for its answer; events are
// handled meanwhile.
inline constexpr std::chrono::milliseconds kDocumentRequestLimit{1000};

class PageReader {
  public:
    PageReader() = default;
    PageReader(const PageReader&) = default;
    PageReader& operator=(const PageReader&) = default;
    virtual ~PageReader();

    // A new reader bound to the same document.
    virtual std::unique_ptr<PageReader> copy() const;

    // Binds the reader to `document`; false, leaving it unbound, for none.
    virtual bool attach(DocumentRef document);
    // Binds the reader to the document `box` shows now. False, leaving the
    // reader unbound, when there is no box, the box has not been sent to any
    // page yet, or its document does not answer within kDocumentRequestLimit.
    virtual bool attach(QWebEngineView* box);

    // "outerHTML" and "innerText" are read from the document element, any
    // other name from the document itself (for example "title"). The text in
    // GBK, characters GBK cannot hold becoming "?". The empty text when the
    // reader is unbound, its document is gone or does not answer in time, or
    // the property is missing or not a string.
    virtual Text read_text(const Text& name) const;

    const DocumentRef& document() const { return document_; }

  private:
    DocumentRef document_;
};

}  // namespace tumbrix
