// With all three drills running: the processor share the program takes while
// the user only watches, and when the Installer's level-1 time-out box appears.

#include "probe.h"
#include "probing.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QMdiSubWindow>
#include <QTimer>
#include <QWidget>

namespace {

int milliseconds(const char *variable, int otherwise)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(variable, &ok);
    return ok ? value : otherwise;
}

void start(QMdiSubWindow *drill)
{
    if (QAbstractButton *start = buttonWithCaption(drill, QStringLiteral("START")))
        start->click();
}

void awaitTimeOut(double started)
{
    Probe::instance().whenPainted(
        [](QWidget *widget) { return widget->isWindow() && widget->inherits("QMessageBox"); },
        [started] {
            report("timeout_s", now() - started);
            QCoreApplication::quit();
        });
}

} // namespace

void measureDrills()
{
    start(chooseMenuItem(QStringLiteral("Module 2: Scrolling")));
    start(chooseMenuItem(QStringLiteral("Module 3: Typing")));
    // The Installer last, as its clock runs out 28 s after START.
    QMdiSubWindow *installer = chooseMenuItem(QStringLiteral("Module 1: The Installer"));
    const double started = now();
    start(installer);

    const int settle = milliseconds("THORNAX_PROBE_SETTLE_MS", 2000);
    const int span = milliseconds("THORNAX_PROBE_IDLE_MS", 20000);
    QTimer::singleShot(settle, [started, span] {
        const double processor = processorSeconds();
        const double wall = now();
        QTimer::singleShot(span, [started, processor, wall] {
            report("idle_share", (processorSeconds() - processor) / (now() - wall));
            if (qEnvironmentVariableIsSet("THORNAX_PROBE_TIMEOUT"))
                awaitTimeOut(started);
            else
                QCoreApplication::quit();
        });
    });
}
