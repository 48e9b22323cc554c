#include "platform/browser_box.h"

#include <QPointer>
#include <QWebEngineView>

#include "platform/locked_page.h"

namespace tumbrix {
namespace {
// Guarded: a box deleted without being unregistered reads as no box.
QPointer<QWebEngineView> g_reader_box;
}  // namespace

QWebEngineView* create_browser_box(QWidget* parent) {
    auto* box = new QWebEngineView(parent);
    // Set before anything asks the view for its page, so the view never makes
    // a page of its own on the default (on-disk) profile.
    box->setPage(new LockedPage(box));
    return box;
}

void set_page_reader_box(QWebEngineView* box) {
    g_reader_box = box;
}
QWebEngineView* page_reader_box() {
    return g_reader_box.data();
}

}  // namespace tumbrix
