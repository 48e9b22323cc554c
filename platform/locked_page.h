#pragma once
// The page every browser box shows. The advert boxes load whatever address a
// remote page names, so the page is locked down: no new windows, popups or
// page dialogs, no downloads, every permission request refused, no local or
// other non-web navigation, and a profile that keeps nothing on disk.
#include <QWebEnginePage>

namespace tumbrix {

class LockedPage : public QWebEnginePage {
  public:
    // Uses the off-the-record profile shared by all locked pages; the profile
    // goes when the last of them does.
    explicit LockedPage(QObject* parent);

  protected:
    QWebEnginePage* createWindow(WebWindowType type) override;
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool is_main_frame) override;
    QStringList chooseFiles(FileSelectionMode mode, const QStringList& old_files,
                            const QStringList& accepted_mime_types) override;
    void javaScriptAlert(const QUrl& origin, const QString& message) override;
    bool javaScriptConfirm(const QUrl& origin, const QString& message) override;
    bool javaScriptPrompt(const QUrl& origin, const QString& message, const QString& default_value,
                          QString* result) override;
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString& message,
                                  int line, const QString& source) override;
};

}  // namespace tumbrix
