#include "webviewmodule.h"

#include "webviewplugin.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

// Stands in the view's place when the module is missing or broken.
class UnavailableView : public QLabel, public WebView
{
public:
    UnavailableView(QWidget *parent, const QString &reason)
        : QLabel(QCoreApplication::translate("WebViewModule", "The web view could not be loaded.") +
                     u'\n' + reason,
                 parent)
    {
        setTextFormat(Qt::PlainText);
        setAlignment(Qt::AlignCenter);
        setWordWrap(true);
        setMargin(12);
    }
    QWidget *widget() override { return this; }
    void Navigate(const QString &) override {}
};

// The engine refuses to start its sandbox as root; it then needs to be told to
// run without one before it starts.
void AllowRunningAsRoot()
{
#ifdef Q_OS_UNIX
    if (geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
#endif
}

} // namespace

WebViewModule::WebViewModule(QStringList folders) : m_folders(std::move(folders)) {}

QStringList WebViewModule::DefaultFolders()
{
    const QDir programFolder(QCoreApplication::applicationDirPath());
    return {programFolder.path(),
            QDir::cleanPath(programFolder.filePath(QStringLiteral(THORNAX_WEBVIEW_INSTALL_DIR)))};
}

QString WebViewModule::FileName()
{
    return QStringLiteral(THORNAX_WEBVIEW_FILE);
}

WebView *WebViewModule::CreateView(QWidget *parent)
{
    if (WebViewPlugin *plugin = Plugin())
        return plugin->CreateView(parent);
    return new UnavailableView(parent, m_error);
}

WebViewPlugin *WebViewModule::Plugin()
{
    if (!m_loader.isLoaded()) {
        const QString path = FindFile();
        if (path.isEmpty()) {
            m_error = QCoreApplication::translate("WebViewModule", "%1 was not found in %2.")
                          .arg(FileName(), m_folders.join(QStringLiteral(", ")));
            return nullptr;
        }
        AllowRunningAsRoot();
        m_loader.setFileName(path);
    }
    auto *plugin = qobject_cast<WebViewPlugin *>(m_loader.instance());
    if (!plugin)
        m_error = m_loader.isLoaded()
                      ? QCoreApplication::translate("WebViewModule", "%1 is not a web view module.")
                            .arg(m_loader.fileName())
                      : m_loader.errorString();
    return plugin;
}

QString WebViewModule::FindFile() const
{
    for (const QString &folder : m_folders) {
        const QFileInfo file(QDir(folder), FileName());
        if (file.exists())
            return file.absoluteFilePath();
    }
    return QString();
}
