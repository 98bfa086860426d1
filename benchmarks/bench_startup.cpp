// Measures what the trainer costs: the time from an empty process to the frame
// on screen, and the processor time it uses while it sits idle, at rest and
// with the scrolling drill running. Prints one line per measurement.

#include "design.h"
#include "form3.h"
#include "mdiform1.h"
#include "program.h"
#include "registerwindows.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QMdiSubWindow>
#include <QTimer>

#include <sys/resource.h>

#include <cstdio>

namespace {

double ProcessorSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

long PeakMemoryKiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Runs the event loop for the given time and gives the share of one core used.
double IdleShare(int milliseconds)
{
    const double before = ProcessorSeconds();
    QElapsedTimer wall;
    wall.start();
    QTimer::singleShot(milliseconds, qApp, &QCoreApplication::quit);
    QCoreApplication::exec();
    return (ProcessorSeconds() - before) / (wall.nsecsElapsed() / 1e9);
}

} // namespace

int main(int argc, char *argv[])
{
    QElapsedTimer startUp;
    startUp.start();
    QApplication app(argc, argv);
    InstallFontSubstitutes();
    Program program(DesktopServices());
    RegisterWindows(program);
    program.Start();
    QCoreApplication::processEvents();
    std::printf("start-up: %.1f ms to the frame on screen, peak memory %ld KiB\n",
                startUp.nsecsElapsed() / 1e6, PeakMemoryKiB());

    const int idleMs = argc > 1 ? std::atoi(argv[1]) : 5000;
    std::printf("idle, frame and score panel: %.2f %% of one core\n", 100 * IdleShare(idleMs));

    program.mainWindow().Scroll_Click();
    Window &drill = program.window(WindowName::Form3);
    for (QAbstractButton *button : drill.subWindow()->findChildren<QAbstractButton *>())
        if (button->text() == QLatin1String("START"))
            button->click();
    std::printf("idle, scrolling drill running: %.2f %% of one core\n", 100 * IdleShare(idleMs));
    return 0;
}
