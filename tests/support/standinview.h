#pragma once

#include "webview.h"

#include <QStringList>
#include <QWidget>

// A page view that opens nothing and takes the focus as the real one does. With a
// log, it notes its making and every address it is sent to; the log outlives it.
class StandInView : public QWidget, public WebView
{
public:
    static inline const QString Made = QStringLiteral("(new view)");

    explicit StandInView(QWidget *parent, QStringList *log = nullptr) : QWidget(parent), m_log(log)
    {
        setFocusPolicy(Qt::StrongFocus);
        if (m_log)
            *m_log << Made;
    }
    QWidget *widget() override { return this; }
    void Navigate(const QString &address) override
    {
        if (m_log)
            *m_log << address;
    }

private:
    QStringList *m_log;
};

// Views for the browser window: Form5::setWebViewFactory(standInViews()).
inline WebViewFactory standInViews(QStringList *log = nullptr)
{
    return [log](QWidget *parent) { return new StandInView(parent, log); };
}
