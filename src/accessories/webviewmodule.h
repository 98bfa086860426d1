#pragma once

#include "webview.h"

#include <QPluginLoader>
#include <QStringList>

class WebViewPlugin;

// Loads the web view module when the first view is asked for, so that neither
// start-up nor memory pays for the browser engine before the browser is used.
// The module stays loaded for the rest of the run. When it cannot be loaded,
// the view is a line saying so; where the build made no module, a line saying
// that this version shows no pages.
class WebViewModule
{
public:
    // The module of this build, where it has one.
    WebViewModule();
    // Searches the folders in order for the module's file.
    explicit WebViewModule(QStringList folders);

    WebView *createView(QWidget *parent);

    // What the engine needs settled before the application object exists:
    // no shader cache of Qt's or of the graphics driver's written to disk.
    static void prepareApplication();

    // Beside the program (the build tree), then the installed library folder.
    static QStringList defaultFolders();
    // The module's file name on this platform.
    static QString fileName();

private:
    WebViewPlugin *loadedPlugin();
    QString findFile() const;

    QStringList m_folders;
    bool m_built = true;
    QPluginLoader m_loader;
    QString m_error;
};
