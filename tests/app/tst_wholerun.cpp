#include "playthrough.h"
#include "registerwindows.h"
#include "testprogram.h"

#include <QtTest>

// A whole training run with every real window and Qt's real boxes, played by
// the driver that plays the program file on X11 and Wayland. The fixed clock and
// scripted draws make the score exact: 135 from the Installer's three levels,
// 500 for the Scrolling drill done at its first tick, and 199 x 75 for the 75
// characters typed in the Typing drill's first second.
class tst_WholeRun : public QObject
{
    Q_OBJECT

private slots:
    void aWholeRunEndsWithTheCertificate()
    {
        auto test = TestProgram::withRealDialogs();
        registerWindows(*test->program);
        test->program->start();
        PlayThrough play(*test->program);
        QTRY_VERIFY_WITH_TIMEOUT(play.isOver(), 50000);
        QCOMPARE(play.faults(), QStringList());
        QCOMPARE(play.scoreLine(), QString("Finished with %1 points!").arg(135 + 500 + 199 * 75));
        QCOMPARE(test->end->calls, 1);
    }
};

QTEST_MAIN(tst_WholeRun)
#include "tst_wholerun.moc"
