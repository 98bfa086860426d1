#pragma once

#include <QString>

#include <functional>

class QWidget;

// The page view of the browser window: a widget that can be told to open an
// address. The widget belongs to the parent it was made with.
class WebView
{
public:
    virtual ~WebView() = default;
    virtual QWidget *widget() = 0;
    // Starts loading the page and returns at once.
    virtual void Navigate(const QString &address) = 0;
};

// Makes a view as a child of the given widget.
using WebViewFactory = std::function<WebView *(QWidget *parent)>;
