#pragma once

#include "webview.h"

#include <QWebEngineView>

class DragRefuser;
class PrivateProfile;

// The page view on Qt WebEngine, kept away from the user's machine and unable
// to hold the program: its pages (see GuardedPage) live in a private profile
// held in memory only; no context menu, no navigation by dropping a link,
// nothing dragged out (see DragRefuser), and no dialog of the engine's own on
// the screen (see DialogDismisser).
// Every Navigate starts a fresh page, so whatever the page in view does (a
// script that never returns, a renderer that died, a handler that refuses to
// let the page go, a history to go back through), the address asked for loads.
class EngineView : public QWebEngineView, public WebView
{
public:
    explicit EngineView(QWidget *parent);
    ~EngineView() override;

    QWidget *widget() override { return this; }
    void Navigate(const QString &address) override;

protected:
    void connectNotify(const QMetaMethod &signal) override;

private:
    void startFreshPage();

    PrivateProfile *m_profile;
    DragRefuser *m_dragRefuser = nullptr; // made last
    bool m_pageUsed = false;
};
