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

bool Within(QWidget *widget, QWidget *ancestor)
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
        connect(view, SIGNAL(loadFinished(bool)), this, SLOT(Loaded()));
    }

private slots:
    void Loaded()
    {
        if (m_loaded)
            return;
        m_loaded = true;
        Report("browser_loaded_s", Now() - m_chosen);
        QWidget *view = m_view;
        const double chosen = m_chosen;
        const long before = m_residentBefore;
        Probe::instance().WhenPainted(
            [view](QWidget *widget) { return Within(widget, view); },
            [chosen, before] {
                Report("browser_page_s", Now() - chosen);
                Report("browser_main_growth_mib", double(ResidentKiB() - before) / 1024);
                Report("browser_engine_mib", double(DescendantsResidentKiB()) / 1024);
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

void MeasureBrowser()
{
    const long before = ResidentKiB();
    const double chosen = Now();
    QMdiSubWindow *browser = ChooseMenuItem(QStringLiteral("Browser"));
    Report("browser_command_returned_s", Now() - chosen);
    Probe::instance().WhenPainted([browser](QWidget *widget) { return widget == browser; },
                                  [chosen] { Report("browser_window_s", Now() - chosen); });
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
