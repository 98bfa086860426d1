#pragma once

#include <QWebEnginePage>

// A page that goes to web addresses only and keeps to its view: it never hands
// out the user's files, opens windows of its own, uses the user's devices,
// shows a box of its own, or lets anything be dragged out of it. Boxes a page
// asks for (alert, confirm, prompt, and "are you sure you want to leave") are
// answered at once as though the user had dismissed them, leaving a page never
// asks, and a request for a password is cancelled.
class GuardedPage : public QWebEnginePage
{
public:
    GuardedPage(QWebEngineProfile *profile, QObject *parent);

    static bool isWebAddress(const QUrl &url);

protected:
    bool acceptNavigationRequest(const QUrl &url, NavigationType, bool) override;
    QStringList chooseFiles(FileSelectionMode, const QStringList &, const QStringList &) override;
    QWebEnginePage *createWindow(WebWindowType) override { return nullptr; }
    void javaScriptAlert(const QUrl &, const QString &) override {}
    bool javaScriptConfirm(const QUrl &, const QString &message) override;
    bool javaScriptPrompt(const QUrl &, const QString &, const QString &, QString *) override;
};
