#include "platform/browser_box.h"

#include <QWebEngineView>

namespace tumbrix {
namespace {
QWebEngineView* g_reader_box = nullptr;
}

// First cut: a plain view. The locked-down profile and page come with the page reader.
QWebEngineView* create_browser_box(QWidget* parent) {
    return new QWebEngineView(parent);
}

void set_page_reader_box(QWebEngineView* box) {
    g_reader_box = box;
}
QWebEngineView* page_reader_box() {
    return g_reader_box;
}

}  // namespace tumbrix
