#include "webviewmodule.h"

#include "noticeview.h"
#include "webviewplugin.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QOpenGLContext>

// Qt's own hook for the context that every OpenGL context of the program
// shares; the engine looks for it when it is loaded.
QT_BEGIN_NAMESPACE
Q_GUI_EXPORT QOpenGLContext *qt_gl_global_share_context();
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext *context);
QT_END_NAMESPACE

namespace {

// The engine draws through OpenGL contexts that share with one made for the
// whole program. Qt would make that context with the application object when
// asked to beforehand, and so every start would pay for an OpenGL driver the
// browser may never use; made here, only opening the browser pays.
void shareOpenGLContexts()
{
    if (qt_gl_global_share_context() || !qobject_cast<QGuiApplication *>(qApp))
        return;
    auto *context = new QOpenGLContext(qApp);
    if (!context->create()) {
        delete context;
        return;
    }
    qt_gl_set_global_share_context(context);
    QObject::connect(context, &QObject::destroyed, [] { qt_gl_set_global_share_context(nullptr); });
}

} // namespace

WebViewModule::WebViewModule() : m_folders(defaultFolders()), m_built(THORNAX_WEBVIEW_BUILT) {}

WebViewModule::WebViewModule(QStringList folders) : m_folders(std::move(folders)) {}

QStringList WebViewModule::defaultFolders()
{
    const QDir programFolder(QCoreApplication::applicationDirPath());
    return {programFolder.path(),
            QDir::cleanPath(programFolder.filePath(QStringLiteral(THORNAX_WEBVIEW_INSTALL_DIR)))};
}

void WebViewModule::prepareApplication()
{
    QCoreApplication::setAttribute(Qt::AA_DisableShaderDiskCache);
    // Mesa reads its switch once, when the program's first context is made.
    qputenv("MESA_SHADER_CACHE_DISABLE", "true");
}

QString WebViewModule::fileName()
{
    return QStringLiteral(THORNAX_WEBVIEW_FILE);
}

WebView *WebViewModule::createView(QWidget *parent)
{
    if (!m_built)
        return new NoticeView(
            QCoreApplication::translate("WebViewModule", "This version shows no web pages."),
            parent);
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
        shareOpenGLContexts();
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
