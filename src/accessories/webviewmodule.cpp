#include "webviewmodule.h"

#include "noticeview.h"
#include "webviewplugin.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

WebViewModule::WebViewModule(QStringList folders) : m_folders(std::move(folders)) {}

QStringList WebViewModule::defaultFolders()
{
    const QDir programFolder(QCoreApplication::applicationDirPath());
    return {programFolder.path(),
            QDir::cleanPath(programFolder.filePath(QStringLiteral(THORNAX_WEBVIEW_INSTALL_DIR)))};
}

void WebViewModule::prepareApplication()
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QCoreApplication::setAttribute(Qt::AA_DisableShaderDiskCache);
    // Mesa reads its switch once, when the first context is made; the shared
    // context above is made with the application object.
    qputenv("MESA_SHADER_CACHE_DISABLE", "true");
}

QString WebViewModule::fileName()
{
    return QStringLiteral(THORNAX_WEBVIEW_FILE);
}

WebView *WebViewModule::createView(QWidget *parent)
{
    if (WebViewPlugin *plugin = loadedPlugin())
        return plugin->createView(parent);
    return new NoticeView(
        QCoreApplication::translate("WebViewModule", "The web view could not be loaded.") + u'\n' +
            m_error,
        parent);
}

WebViewPlugin *WebViewModule::loadedPlugin()
{
    if (!m_loader.isLoaded()) {
        const QString path = findFile();
        if (path.isEmpty()) {
            m_error = QCoreApplication::translate("WebViewModule", "%1 was not found in %2.")
                          .arg(fileName(), m_folders.join(QStringLiteral(", ")));
            return nullptr;
        }
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

QString WebViewModule::findFile() const
{
    for (const QString &folder : m_folders) {
        const QFileInfo file(QDir(folder), fileName());
        if (file.exists())
            return file.absoluteFilePath();
    }
    return QString();
}
