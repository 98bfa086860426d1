#include "probe.h"

#include "probing.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

Probe &Probe::instance()
{
    static auto *probe = new Probe;
    return *probe;
}

void Probe::whenPainted(Match match, Then then)
{
    m_waiters.push_back({std::move(match), std::move(then)});
}

bool Probe::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::Paint || !watched->isWidgetType() || m_waiters.empty())
        return false;
    auto *widget = static_cast<QWidget *>(watched);
    for (auto waiter = m_waiters.begin(); waiter != m_waiters.end(); ++waiter) {
        if (waiter->match(widget)) {
            // The rest of this paint pass (the children of a window) comes first.
            QTimer::singleShot(0, this, waiter->then);
            m_waiters.erase(waiter);
            break;
        }
    }
    return false;
}

namespace {

void afterFirstFrame()
{
    const QByteArray mode = qgetenv("THORNAX_PROBE");
    if (mode == "drills")
        measureDrills();
    else if (mode == "browser")
        measureBrowser();
    else if (mode == "typing")
        measureTyping();
    else
        QCoreApplication::quit();
}

// Called by QCoreApplication's constructor: the program is built but not yet shown.
void install()
{
    Probe &probe = Probe::instance();
    qApp->installEventFilter(&probe);
    probe.whenPainted([](QWidget *widget) { return widget->isWindow(); }, afterFirstFrame);
}

const bool installed = [] {
    qAddPreRoutine(install);
    return true;
}();

} // namespace
