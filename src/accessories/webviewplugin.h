#pragma once

#include "webview.h"

#include <QtPlugin>

// What the separately built web view module offers the program.
class WebViewPlugin
{
public:
    virtual ~WebViewPlugin() = default;
    virtual WebView *createView(QWidget *parent) = 0;
};

#define WebViewPlugin_iid "org.thornax.WindowsTrainer.WebViewPlugin/1.0"
Q_DECLARE_INTERFACE(WebViewPlugin, WebViewPlugin_iid)
