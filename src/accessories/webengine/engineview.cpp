#include "engineview.h"

#include "dialogdismisser.h"
#include "guardedpage.h"
#include "nodraggingout.h"
#include "privateprofile.h"

#include <QMetaMethod>

EngineView::EngineView(QWidget *parent)
    : QWebEngineView(parent), m_profile(new PrivateProfile(this))
{
    setContextMenuPolicy(Qt::NoContextMenu);
    setAcceptDrops(false);
    new DialogDismisser(this);
    setPage(new GuardedPage(m_profile, m_profile));
    m_dragRefuser = new DragRefuser(this);
}

EngineView::~EngineView()
{
    // The engine wants every page gone before its profile goes.
    delete page();
}

void EngineView::Navigate(const QString &address)
{
    const QUrl url(address);
    if (!GuardedPage::isWebAddress(url))
        return;
    if (m_pageUsed)
        startFreshPage();
    m_pageUsed = true;
    load(url);
}

void EngineView::connectNotify(const QMetaMethod &signal)
{
    if (m_dragRefuser && signal == QMetaMethod::fromSignal(&QObject::destroyed))
        m_dragRefuser->viewEndWatched();
    QWebEngineView::connectNotify(signal);
}

void EngineView::startFreshPage()
{
    // Discarding a page neither asks it nor waits for it; its renderer goes
    // with it when no other page uses it. Pages hang on the profile: what the
    // engine hangs on the view is refused as a drag.
    QWebEnginePage *old = page();
    setPage(new GuardedPage(m_profile, m_profile));
    delete old;
}
