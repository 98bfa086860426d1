#include "guardedpage.h"

#include "nodraggingout.h"
#include "permissionrefusal.h"

#include <QAuthenticator>
#include <QCoreApplication>
#include <QWebEngineFullScreenRequest>
#include <QWebEngineScriptCollection>
#include <QWebEngineSettings>

namespace {

// The engine asks before a page is left through the confirm box, with this
// text in the engine's own translation; named here through variables, so that
// the program's own translations leave it to the engine's.
bool isLeavePageQuestion(const QString &message)
{
    static const char context[] = "QWebEnginePage";
    static const char question[] =
        "Are you sure you want to leave this page? Changes that you made may not be saved.";
    return message == QCoreApplication::translate(context, question);
}

// Asked for a password, the page gets none, once: left unanswered, the engine
// sends empty credentials again and again.
void cancelAuthentication(QAuthenticator *authenticator)
{
    *authenticator = QAuthenticator();
}

} // namespace

GuardedPage::GuardedPage(QWebEngineProfile *profile, QObject *parent)
    : QWebEnginePage(profile, parent)
{
    QWebEngineSettings *s = settings();
    s->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, false);
    s->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    s->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, false);
    s->setAttribute(QWebEngineSettings::JavascriptCanAccessClipboard, false);
    s->setAttribute(QWebEngineSettings::PluginsEnabled, false);
    s->setAttribute(QWebEngineSettings::PdfViewerEnabled, false);
    s->setAttribute(QWebEngineSettings::ScreenCaptureEnabled, false);

    refuseEveryPermission(this);
    connect(this, &QWebEnginePage::fullScreenRequested, this,
            [](QWebEngineFullScreenRequest request) { request.reject(); });
    connect(
        this, &QWebEnginePage::authenticationRequired, this,
        [](const QUrl &, QAuthenticator *authenticator) { cancelAuthentication(authenticator); });
    connect(this, &QWebEnginePage::proxyAuthenticationRequired, this,
            [](const QUrl &, QAuthenticator *authenticator, const QString &) {
                cancelAuthentication(authenticator);
            });
    scripts().insert(noDraggingOut());
}

bool GuardedPage::isWebAddress(const QUrl &url)
{
    return url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https");
}

bool GuardedPage::acceptNavigationRequest(const QUrl &url, NavigationType, bool)
{
    return isWebAddress(url);
}

QStringList GuardedPage::chooseFiles(FileSelectionMode, const QStringList &, const QStringList &)
{
    return {};
}

bool GuardedPage::javaScriptConfirm(const QUrl &, const QString &message)
{
    // Leaving always goes ahead; anything else the page asks is cancelled.
    return isLeavePageQuestion(message);
}

bool GuardedPage::javaScriptPrompt(const QUrl &, const QString &, const QString &, QString *)
{
    return false;
}
