// The browser: from the menu command to its window painted, and to the first
// paint of the view after the page has loaded; the memory it adds, in the
// program's process and in the engine's own processes.

#include "probe.h"
#include "probing.h"

#include <QCoreApplication>
#include <QMdiSubWindow>
#include <QTimer>
#include <QWidget>

namespace {

constexpr int GiveUpMs = 20000;

bool within(QWidget *widget, QWidget *ancestor)
{
    return ancestor && (widget == ancestor || ancestor->isAncestorOf(widget));
}

// Tells when the view reports its page loaded. The view's class is reached
// through its signal's name, so that the probe links no browser engine.
class LoadWatch : public QObject
{
    Q_OBJECT
public:
    LoadWatch(QWidget *view, double chosen, long residentBefore)
        : QObject(view), m_view(view), m_chosen(chosen), m_residentBefore(residentBefore)
    {
        connect(view, SIGNAL(loadFinished(bool)), this, SLOT(loaded()));
    }

private slots:
    void loaded()
    {
        if (m_loaded)
            return;
        m_loaded = true;
        report("browser_loaded_s", now() - m_chosen);
        QWidget *view = m_view;
        const double chosen = m_chosen;
        const long before = m_residentBefore;
        Probe::instance().whenPainted(
            [view](QWidget *widget) { return within(widget, view); },
            [chosen, before] {
                report("browser_page_s", now() - chosen);
                report("browser_main_growth_mib", double(residentKiB() - before) / 1024);
                report("browser_engine_mib", double(descendantsResidentKiB()) / 1024);
                QCoreApplication::quit();
            });
    }

private:
    QWidget *m_view;
    double m_chosen;
    long m_residentBefore;
    bool m_loaded = false;
};

} // namespace

void measureBrowser()
{
    const long before = residentKiB();
    const double chosen = now();
    QMdiSubWindow *browser = chooseMenuItem(QStringLiteral("Browser"));
    report("browser_command_returned_s", now() - chosen);
    Probe::instance().whenPainted([browser](QWidget *widget) { return widget == browser; },
                                  [chosen] { report("browser_window_s", now() - chosen); });
    QWidget *view = nullptr;
    if (browser)
        for (QWidget *widget : browser->findChildren<QWidget *>())
            if (widget->inherits("QWebEngineView"))
                view = widget;
    if (view)
        new LoadWatch(view, chosen, before);
    QTimer::singleShot(GiveUpMs, [] { QCoreApplication::exit(3); });
}

#include "browser.moc"
