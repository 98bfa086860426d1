#include "engineview.h"

#include <QWebEngineDownloadRequest>
#include <QWebEngineFullScreenRequest>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineSettings>

namespace {

bool IsWebAddress(const QUrl &url)
{
    return url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https");
}

// A page that goes to web addresses only and never hands out the user's files
// or opens windows of its own.
class GuardedPage : public QWebEnginePage
{
public:
    GuardedPage(QWebEngineProfile *profile, QObject *parent) : QWebEnginePage(profile, parent)
    {
        QWebEngineSettings *s = settings();
        s->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, false);
        s->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
        s->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, false);
        s->setAttribute(QWebEngineSettings::JavascriptCanAccessClipboard, false);
        s->setAttribute(QWebEngineSettings::PluginsEnabled, false);
        s->setAttribute(QWebEngineSettings::ScreenCaptureEnabled, false);

        connect(this, &QWebEnginePage::featurePermissionRequested, this,
                [this](const QUrl &origin, Feature feature) {
                    setFeaturePermission(origin, feature, PermissionDeniedByUser);
                });
        connect(this, &QWebEnginePage::fullScreenRequested, this,
                [](QWebEngineFullScreenRequest request) { request.reject(); });
    }

protected:
    bool acceptNavigationRequest(const QUrl &url, NavigationType, bool) override
    {
        return IsWebAddress(url);
    }
    QStringList chooseFiles(FileSelectionMode, const QStringList &, const QStringList &) override
    {
        return {};
    }
    QWebEnginePage *createWindow(WebWindowType) override { return nullptr; }
};

} // namespace

EngineView::EngineView(QWidget *parent)
    : QWebEngineView(parent), m_profile(new QWebEngineProfile(this)) // no name: off the record
{
    connect(m_profile, &QWebEngineProfile::downloadRequested, this,
            [](QWebEngineDownloadRequest *download) { download->cancel(); });
    setPage(new GuardedPage(m_profile, this));
}

EngineView::~EngineView()
{
    // The engine wants every page gone before its profile goes.
    delete page();
}

void EngineView::Navigate(const QString &address)
{
    const QUrl url(address);
    if (IsWebAddress(url))
        load(url);
}
