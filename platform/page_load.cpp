#include "platform/page_load.h"

#include <QPointer>
#include <QUrl>
#include <QWebEngineLoadingInfo>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <vector>

#include "platform/codepage.h"
#include "platform/event_wait.h"
#include "platform/lifetime.h"

namespace tumbrix {
namespace {

// How long a stopped load may take to report its end.
constexpr std::chrono::milliseconds kStopLimit{1000};

// One load_page_document call in progress. A handler running inside its wait
// may load the same box again; the newer load replaces the older, which then
// ends at once instead of taking the newer page for its own.
struct PendingLoad {
    QWebEnginePage* page = nullptr;
    EventWait* wait = nullptr;
    bool replaced = false;
};
std::vector<PendingLoad*> g_pending;

class PendingScope {
  public:
    explicit PendingScope(PendingLoad& load) : load_(load) {
        for (PendingLoad* other : g_pending) {
            if (other->page != load.page || other->replaced) continue;
            other->replaced = true;
            if (other->wait) other->wait->finish();
        }
        g_pending.push_back(&load_);
    }
    ~PendingScope() { std::erase(g_pending, &load_); }
    PendingScope(const PendingScope&) = delete;
    PendingScope& operator=(const PendingScope&) = delete;

  private:
    PendingLoad& load_;
};

QUrl web_address(const Text& url) {
    const QUrl address(QString::fromStdU16String(codepage::gbk_to_utf16(url)));
    const QString scheme = address.scheme();
    if (!address.isValid() || address.host().isEmpty() || (scheme != u"http" && scheme != u"https"))
        return {};
    return address;
}

// Watches `page` for the next end of a load, successful or not. The page
// reports one end per load it was sent to that a newer load did not replace,
// so the first end after a load() call belongs to that load. Set up before the
// call, in case the end is reported at once.
class LoadWatch {
  public:
    LoadWatch(QWebEnginePage* page, std::chrono::milliseconds limit) : wait_(limit) {
        wait_.watch(page);
        QObject::connect(page, &QWebEnginePage::loadingChanged, wait_.context(),
                         [this](const QWebEngineLoadingInfo& info) {
                             if (info.status() == QWebEngineLoadingInfo::LoadStartedStatus) return;
                             succeeded_ =
                                 info.status() == QWebEngineLoadingInfo::LoadSucceededStatus;
                             wait_.finish();
                         });
    }
    EventWait& wait() { return wait_; }
    bool succeeded() const { return succeeded_; }

  private:
    EventWait wait_;
    bool succeeded_ = false;
};

// Stops the load `page` is busy with and waits for it to report its end. A
// stopped load reports it a moment later; had the next load begun by then, it
// would take that end for its own. (A load replaced by the next, unstopped,
// reports nothing.)
void stop_load(QWebEnginePage* page) {
    if (!page->isLoading()) return;
    LoadWatch stopped(page, kStopLimit);
    page->triggerAction(QWebEnginePage::Stop);
    stopped.wait().run();
}

}  // namespace

DocumentRef load_page_document(QWebEngineView* box, const Text& url,
                               std::chrono::milliseconds limit) {
    if (!box || shutdown_requested()) return nullptr;
    const QUrl address = web_address(url);
    if (address.isEmpty()) return nullptr;
    const QPointer<QWebEngineView> view = box;
    const QPointer<QWebEnginePage> page = box->page();
    if (!page) return nullptr;

    PendingLoad pending{page.data()};
    const PendingScope scope(pending);
    EventWait::End end;
    bool succeeded = false;
    {
        LoadWatch watch(page, limit);
        pending.wait = &watch.wait();
        page->load(address);
        end = watch.wait().run();
        pending.wait = nullptr;
        succeeded = watch.succeeded();
    }
    if (pending.replaced || !page) return nullptr;
    // At shutdown the box goes with the window: no need to stop it.
    if (end == EventWait::End::limit) stop_load(page);
    if (end != EventWait::End::finished || !succeeded) return nullptr;

    PageReader reader;
    if (!reader.attach(view.data()) || pending.replaced) return nullptr;
    return reader.document();
}

}  // namespace tumbrix
