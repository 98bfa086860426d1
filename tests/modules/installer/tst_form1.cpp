#include "form1.h"
#include "label.h"
#include "mdiform1.h"
#include "shownpixels.h"
#include "testprogram.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

// The Installer drill, driven through its buttons, its clocks and the menu.
class tst_Form1 : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestProgram> m_test;
    Program &program() { return *m_test->program; }
    MDIForm1 &frame() { return program().mainWindow(); }
    Module1 &record() { return program().record(); }
    Form1 &form() { return program().window<Form1>(); }
    Form1Controls &ui() { return form().controls(); }
    QStringList prompts() { return m_test->dialogs->prompts(); }
    QString remaining() { return ui().Label2->Caption(); }
    int runningClocks() { return ui().Timer1->isActive() + ui().Timer2->isActive(); }
    static Variant integer(int value) { return Integer(static_cast<qint16>(value)); }
    static QString line(double s) { return QString("Remaining time:%1 seconds.").arg(s); }

    void startProgram(Boxes boxes = Boxes::Recorded)
    {
        m_test = programWith<Form1>(boxes);
        frame().widget()->show();
    }
    // The captions of the buttons shown, in the order Command1 to Command4.
    QStringList shownButtons()
    {
        QStringList shown;
        for (QPushButton *button : {ui().Command1, ui().Command2, ui().Command3, ui().Command4})
            if (!button->isHidden())
                shown << button->text();
        return shown;
    }
    // Plays a string of moves: M the menu item, > START, R a right click, W a wrong one,
    // L a whole level of right clicks, T a time tick, S a shuffle tick.
    void play(const QString &moves)
    {
        for (QChar move : moves) {
            if (move == u'M')
                frame().Guiden_Click();
            else if (move == u'>')
                QTest::mouseClick(ui().Command4, Qt::LeftButton);
            else if (move == u'L')
                play(QString(15, u'R'));
            else if (move == u'T')
                form().Timer2_Timer();
            else if (move == u'S')
                form().Timer1_Timer();
            else
                for (QPushButton *button : {ui().Command1, ui().Command2, ui().Command3})
                    if (button->text() == (move == u'R' ? "Next" : "Back")) {
                        QTest::mouseClick(button, Qt::LeftButton);
                        break;
                    }
        }
    }
    void verifyReady(int level, double seconds)
    {
        QCOMPARE(form().Caption(), QString("Level: %1").arg(level));
        QCOMPARE(remaining(), line(seconds));
        QCOMPARE(shownButtons(), QStringList{"START"});
        QCOMPARE(runningClocks(), 0);
        QCOMPARE(record().RightClicks, integer(0));
        QCOMPARE(record().TimeUsed, integer(0));
    }

private slots:
    void init() { startProgram(); }
    void cleanup() { m_test.reset(); }

    void firstOpeningAndWholeModule()
    {
        QCOMPARE(ui().Label1->Caption(), "The rules are simple, just hit the [Next] button.\r"
                                         "If you click wrong, time will be removed.\r"
                                         "15 right clicks in the time for next level .\r");
        QCOMPARE(ui().Timer2->timerType(), Qt::PreciseTimer);
        QCOMPARE(ui().Timer2->interval(), 100);
        m_test->dialogs->whileOpen = [this] {
            QCOMPARE(runningClocks(), 0);
            // Only the module's completion hides the window before its box.
            QCOMPARE(form().isVisible(), record().InstallerLevel != integer(0));
        };
        play("M");
        // Loaded at start-up with level 0, and not prepared again by the menu.
        verifyReady(0, 30);
        QCOMPARE(ui().Timer1->interval(), 1000);
        for (auto [score, level, seconds, period] :
             {std::tuple{30, 2, 28, 980}, {75, 3, 27, 970}, {135, 4, 30, 960}}) {
            play(">");
            QCOMPARE(runningClocks(), 2);
            play("L");
            QCOMPARE(record().TotalScore, integer(score));
            verifyReady(level, seconds);
            QCOMPARE(ui().Timer1->interval(), period);
        }
        QCOMPARE(prompts(), QStringList({"You finished level 1.Get ready for the next one!",
                                         "You finished level 2.Get ready for the next one!",
                                         "You have completed this module!"}));
        QVERIFY(frame().Guiden.Checked());
        QVERIFY(form().isLoaded() && !form().isVisible());
        play("M");
        QCOMPARE(prompts().last(), "You are already done with this module!");
        QVERIFY(!form().isVisible());
        QCOMPARE(record().TotalScore, integer(135));
    }

    void arrangements_data()
    {
        QTest::addColumn<int>("k");
        QTest::addColumn<QStringList>("captions");
        QTest::newRow("1") << 1 << QStringList{"Next", "Cancel", "Back"};
        QTest::newRow("2") << 2 << QStringList{"Back", "Next", "Cancel"};
        QTest::newRow("3") << 3 << QStringList{"Cancel", "Back", "Next"};
    }
    void arrangements()
    {
        QFETCH(int, k);
        QFETCH(QStringList, captions);
        m_test->clock->seconds = 1234.5f;
        // Drawn at START, after a click and on a shuffle tick alike.
        for (const char *moves : {"M>", "W", "S"}) {
            m_test->random->queueDraw(k, 3);
            play(moves);
            QCOMPARE(shownButtons(), captions);
            QCOMPARE(m_test->random->seeds.last(), 1234.5f);
        }
    }

    void remainingTime_data()
    {
        QTest::addColumn<int>("timeUsed");
        QTest::addColumn<QString>("moves");
        QTest::addColumn<double>("seconds");
        QTest::newRow("START") << 0 << "" << 29.0;
        QTest::newRow("right click first") << 0 << "R" << 29.5;
        QTest::newRow("wrong click first") << 0 << "W" << 28.0;
        QTest::newRow("first tick") << 0 << "T" << 28.9;
        QTest::newRow("shuffle tick") << 0 << "TRS" << 29.4;
        QTest::newRow("wrong clicks past the limit") << 278 << "TWW" << -0.9;
        QTest::newRow("wrong clicks far past the limit") << 278 << "TWWWWWWWWWW" << -8.9;
    }
    void remainingTime()
    {
        QFETCH(int, timeUsed);
        QFETCH(QString, moves);
        QFETCH(double, seconds);
        play("M>");
        record().TimeUsed = integer(timeUsed);
        frame().SetCaption("other");
        play(moves);
        QCOMPARE(remaining(), line(seconds));
        QVERIFY(showsWholeText(ui().Label2));
        QVERIFY(prompts().isEmpty()); // a click never times out; the next tick does
        // Every time tick rewrites the frame's caption; nothing else does.
        QCOMPARE(frame().Caption(), moves.contains(u'T') ? "Thornax Windows Trainer" : "other");
    }

    void timeOut_data()
    {
        QTest::addColumn<int>("levelsDone");
        QTest::addColumn<int>("rightClicks");
        QTest::addColumn<int>("ticks");
        QTest::addColumn<int>("score");
        QTest::newRow("no clicks") << 0 << 0 << 280 << 0;
        QTest::newRow("7 right clicks") << 0 << 7 << 315 << 0;
        QTest::newRow("levels 1 and 2 banked") << 2 << 3 << 255 << 75;
    }
    void timeOut()
    {
        QFETCH(int, levelsDone);
        QFETCH(int, rightClicks);
        QFETCH(int, ticks);
        QFETCH(int, score);
        play("M>" + QString("L>").repeated(levelsDone) + QString(rightClicks, u'R'));
        QString lineWhileOpen;
        m_test->dialogs->whileOpen = [&] {
            lineWhileOpen = remaining();
            QCOMPARE(runningClocks(), 0);
        };
        frame().SetCaption("other");
        play(QString(ticks - 1, u'T'));
        QCOMPARE(prompts().size(), levelsDone);
        play("T");
        QCOMPARE(prompts().mid(levelsDone),
                 QStringList{QString("Time's out biatch! You scored %1 of 15.").arg(rightClicks)});
        QCOMPARE(lineWhileOpen, line(levelsDone + 1)); // the level's seconds still left
        QCOMPARE(frame().Caption(), "Thornax Windows Trainer");
        QCOMPARE(record().TotalScore, integer(score));
        QVERIFY(!frame().Guiden.Checked());
        QVERIFY(form().isLoaded() && !form().isVisible());
        // Loaded afresh: level 1 prepared, the rules written once.
        verifyReady(1, 29);
        QCOMPARE(ui().Label1->Caption().count(u'\r'), 3);
    }

    void closeBoxAndMenuMidLevel()
    {
        play("M>RRRR");
        form().subWindow()->close();
        QVERIFY(!form().isLoaded());
        play("M"); // reopening banks the abandoned clicks
        QVERIFY(form().isVisible());
        QCOMPARE(record().TotalScore, integer(4));
        verifyReady(1, 29);
        // The menu resets the level mid-level but leaves the drill running.
        play(">L>RRRRM");
        QCOMPARE(form().Caption(), "Level: 2");
        play("T");
        QCOMPARE(remaining(), line(30.9)); // level 1's limit
        play(QString(11, u'R'));
        QCOMPARE(record().TotalScore, integer(4 + 30 + 30)); // banked at level 2 again
    }

    // Qt delivers timer events while a modal box is open: with the real box and
    // real clocks, nothing of the drill may tick until the box is closed.
    void realBoxesStopTheClocks_data()
    {
        QTest::addColumn<bool>("timeOut");
        QTest::newRow("time-out") << true;
        QTest::newRow("finished level") << false;
    }
    void realBoxesStopTheClocks()
    {
        QFETCH(bool, timeOut);
        startProgram(Boxes::Real);
        play("M>");
        // Whether a box is open, time used and shuffles so far, a second after it opened.
        QList<double> seen;
        BoxAnswerer answerer(1300);
        answerer.lookWhileOpen(1000, [&] {
            seen = {
                double(qobject_cast<QMessageBox *>(QApplication::activeModalWidget()) != nullptr),
                record().TimeUsed.toDouble(), double(m_test->random->seeds.size())};
        });
        if (timeOut) {
            record().TimeUsed = integer(278);
            QTRY_COMPARE_WITH_TIMEOUT(record().TimeUsed, integer(0), 3000);
            QVERIFY(!form().isVisible());
        } else {
            record().RightClicks = integer(14);
            play("R");
        }
        QCOMPARE(seen, QList<double>({1, timeOut ? 280.0 : 0.0, 1}));
        QTest::qWait(300);
        QVERIFY(!QApplication::activeModalWidget());
        verifyReady(timeOut ? 1 : 2, timeOut ? 29 : 28);
    }
};

QTEST_MAIN(tst_Form1)
#include "tst_form1.moc"
