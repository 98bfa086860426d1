#pragma once

#include "webview.h"

#include <QWebEngineView>

class QWebEngineProfile;

// The page view on Qt WebEngine, kept away from the user's machine: a private
// profile held in memory only, web addresses only, no file access, no file
// choosers, no downloads, no pop-up windows and no device permissions.
class EngineView : public QWebEngineView, public WebView
{
public:
    explicit EngineView(QWidget *parent);
    ~EngineView() override;

    QWidget *widget() override { return this; }
    void Navigate(const QString &address) override;

private:
    QWebEngineProfile *m_profile;
};
