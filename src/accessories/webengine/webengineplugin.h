#pragma once

#include "webviewplugin.h"

#include <QObject>

// The entry point of the web view module: makes views on Qt WebEngine.
class WebEnginePlugin : public QObject, public WebViewPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID WebViewPlugin_iid)
    Q_INTERFACES(WebViewPlugin)
public:
    WebEnginePlugin();
    WebView *createView(QWidget *parent) override;
};
