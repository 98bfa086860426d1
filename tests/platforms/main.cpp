// The real program, played through from the menu to "E&xit" on whatever screen
// it is given. Exits with the program's own code when the run saw all it should,
// and with 1, naming what was missing or wrong, when not.

#include "playthrough.h"
#include "runtrainer.h"

#include <QCoreApplication>

#include <memory>

int main(int argc, char *argv[])
{
    std::unique_ptr<PlayThrough> play;
    QStringList faults{QStringLiteral("the program did not start")};
    const int code = runTrainer(argc, argv, [&](Program &program) {
        play = std::make_unique<PlayThrough>(program);
        // Read while the program and its event loop are still there.
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, [&] {
            faults = play->faults();
            play.reset();
        });
    });
    for (const QString &fault : faults)
        qWarning("playthrough: %s", qPrintable(fault));
    return faults.isEmpty() ? code : 1;
}
