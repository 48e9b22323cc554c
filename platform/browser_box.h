#pragma once
// The embedded browser boxes of the window (超文本浏览框1, 2, 3).
class QWidget;
class QWebEngineView;

namespace tumbrix {

// Creates a blank browser box, locked down: no new windows or popups, no
// downloads, every permission request refused, no local file access and no
// profile on disk. The box belongs to `parent`. All boxes share one
// off-the-record profile, which goes with the last box: delete the boxes
// before the application object.
QWebEngineView* create_browser_box(QWidget* parent);

// The hidden box the browser-read sources load their pages in (超文本浏览框1).
// The window registers it at creation and clears it (nullptr) when it goes; a
// box deleted without being cleared reads as nullptr.
void set_page_reader_box(QWebEngineView* box);
QWebEngineView* page_reader_box();

}  // namespace tumbrix
