#include "platform/locked_page.h"

#include <QWebEngineDownloadRequest>
#include <QWebEngineFileSystemAccessRequest>
#include <QWebEngineFullScreenRequest>
#include <QWebEngineProfile>
#include <QWebEngineRegisterProtocolHandlerRequest>
#include <QWebEngineSettings>

namespace tumbrix {
namespace {

QWebEngineProfile* g_profile = nullptr;
int g_profile_users = 0;

void lock_down(QWebEngineSettings* settings) {
    using S = QWebEngineSettings;
    for (const auto attribute :
         {S::JavascriptCanOpenWindows, S::JavascriptCanAccessClipboard, S::JavascriptCanPaste,
          S::LocalContentCanAccessFileUrls, S::LocalContentCanAccessRemoteUrls, S::PluginsEnabled,
          S::FullScreenSupportEnabled, S::ScreenCaptureEnabled, S::NavigateOnDropEnabled,
          S::PdfViewerEnabled, S::HyperlinkAuditingEnabled, S::DnsPrefetchEnabled,
          S::AllowRunningInsecureContent, S::AllowGeolocationOnInsecureOrigins})
        settings->setAttribute(attribute, false);
    settings->setAttribute(S::WebRTCPublicInterfacesOnly, true);
    settings->setUnknownUrlSchemePolicy(S::DisallowUnknownUrlSchemes);
}

// A profile without a storage name is off the record: cookies, cache and page
// storage live in memory only.
QWebEngineProfile* acquire_profile() {
    if (!g_profile) {
        g_profile = new QWebEngineProfile();
        g_profile->setHttpCacheType(QWebEngineProfile::MemoryHttpCache);
        g_profile->setPersistentCookiesPolicy(QWebEngineProfile::NoPersistentCookies);
        g_profile->setSpellCheckEnabled(false);
        lock_down(g_profile->settings());
        QObject::connect(g_profile, &QWebEngineProfile::downloadRequested, g_profile,
                         [](QWebEngineDownloadRequest* download) { download->cancel(); });
    }
    ++g_profile_users;
    return g_profile;
}

// Called from a page's destroyed signal, which comes after the page has let go
// of its profile: the profile is deleted only once no page uses it.
void release_profile() {
    if (--g_profile_users == 0) {
        delete g_profile;
        g_profile = nullptr;
    }
}

bool is_allowed_address(const QUrl& url) {
    const QString scheme = url.scheme();
    if (scheme == u"http" || scheme == u"https") return true;
    // The blank start of a box and the documents of inline frames.
    return url == QUrl(QStringLiteral("about:blank")) ||
           url == QUrl(QStringLiteral("about:srcdoc"));
}

}  // namespace

LockedPage::LockedPage(QObject* parent) : QWebEnginePage(acquire_profile(), parent) {
    connect(this, &QObject::destroyed, [] { release_profile(); });
    connect(this, &QWebEnginePage::featurePermissionRequested, this,
            [this](const QUrl& origin, Feature feature) {
                setFeaturePermission(origin, feature, PermissionDeniedByUser);
            });
    connect(this, &QWebEnginePage::fullScreenRequested, this,
            [](QWebEngineFullScreenRequest request) { request.reject(); });
    connect(this, &QWebEnginePage::registerProtocolHandlerRequested, this,
            [](QWebEngineRegisterProtocolHandlerRequest request) { request.reject(); });
    connect(this, &QWebEnginePage::fileSystemAccessRequested, this,
            [](QWebEngineFileSystemAccessRequest request) { request.reject(); });
}

QWebEnginePage* LockedPage::createWindow(WebWindowType) {
    return nullptr;
}

bool LockedPage::acceptNavigationRequest(const QUrl& url, NavigationType, bool) {
    return is_allowed_address(url);
}

QStringList LockedPage::chooseFiles(FileSelectionMode, const QStringList&, const QStringList&) {
    return {};
}

void LockedPage::javaScriptAlert(const QUrl&, const QString&) {}

bool LockedPage::javaScriptConfirm(const QUrl&, const QString&) {
    return false;
}

bool LockedPage::javaScriptPrompt(const QUrl&, const QString&, const QString&, QString*) {
    return false;
}

void LockedPage::javaScriptConsoleMessage(JavaScriptConsoleMessageLevel, const QString&, int,
                                          const QString&) {}

}  // namespace tumbrix
