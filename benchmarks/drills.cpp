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

int Milliseconds(const char *variable, int otherwise)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(variable, &ok);
    return ok ? value : otherwise;
}

void Start(QMdiSubWindow *drill)
{
    if (QAbstractButton *start = ButtonWithCaption(drill, QStringLiteral("START")))
        start->click();
}

void AwaitTimeOut(double started)
{
    Probe::instance().WhenPainted(
        [](QWidget *widget) { return widget->isWindow() && widget->inherits("QMessageBox"); },
        [started] {
            Report("timeout_s", Now() - started);
            QCoreApplication::quit();
        });
}

} // namespace

void MeasureDrills()
{
    Start(ChooseMenuItem(QStringLiteral("Module 2: Scrolling")));
    Start(ChooseMenuItem(QStringLiteral("Module 3: Typing")));
    // The Installer last, as its clock runs out 28 s after START.
    QMdiSubWindow *installer = ChooseMenuItem(QStringLiteral("Module 1: The Installer"));
    const double started = Now();
    Start(installer);

    const int settle = Milliseconds("THORNAX_PROBE_SETTLE_MS", 2000);
    const int span = Milliseconds("THORNAX_PROBE_IDLE_MS", 20000);
    QTimer::singleShot(settle, [started, span] {
        const double processor = ProcessorSeconds();
        const double wall = Now();
        QTimer::singleShot(span, [started, processor, wall] {
            Report("idle_share", (ProcessorSeconds() - processor) / (Now() - wall));
            if (qEnvironmentVariableIsSet("THORNAX_PROBE_TIMEOUT"))
                AwaitTimeOut(started);
            else
                QCoreApplication::quit();
        });
    });
}
