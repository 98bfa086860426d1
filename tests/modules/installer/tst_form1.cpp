#include "form1.h"
#include "label.h"
#include "mdiform1.h"
#include "placeholderwindow.h"
#include "testprogram.h"
#include "valuerules.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

// The Installer drill, driven through its buttons and clocks.
class tst_Form1 : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestProgram> m_test;
    Program &program() { return *m_test->program; }
    Module1 &record() { return program().record(); }
    Form1 &form() { return program().window<Form1>(); }
    Form1Controls &ui() { return form().controls(); }
    QStringList prompts() { return m_test->dialogs->prompts(); }
    QString remaining() { return ui().Label2->Caption(); }

    void startProgram(std::unique_ptr<TestProgram> test)
    {
        m_test = std::move(test);
        program().RegisterWindow(Form1::Name,
                                 [](Program &p) { return std::make_unique<Form1>(p); });
        RegisterPlaceholders(program());
        program().mainWindow().Load();
        program().mainWindow().widget()->show();
    }
    void openAndStart()
    {
        program().mainWindow().Guiden_Click();
        QTest::mouseClick(ui().Command4, Qt::LeftButton);
    }
    QList<QPushButton *> drillButtons() { return {ui().Command1, ui().Command2, ui().Command3}; }
    QPushButton *buttonReading(const QString &caption)
    {
        for (QPushButton *button : drillButtons())
            if (button->text() == caption)
                return button;
        return nullptr;
    }
    // Plays a string of moves: R a right click, W a wrong one, T a time tick, S a shuffle tick.
    void play(const QString &moves)
    {
        for (QChar move : moves) {
            if (move == u'T')
                form().Timer2_Timer();
            else if (move == u'S')
                form().Timer1_Timer();
            else
                QTest::mouseClick(buttonReading(move == u'R' ? "Next" : "Back"), Qt::LeftButton);
        }
    }
    void finishLevel() { play(QString(15, u'R')); }
    // Ticks until a box appears; the number of ticks it took.
    int ticksUntilMessage()
    {
        const qsizetype before = prompts().size();
        int ticks = 0;
        while (prompts().size() == before && ticks < 1000) {
            form().Timer2_Timer();
            ++ticks;
        }
        return ticks;
    }
    void verifyReady(const QString &caption, const QString &line)
    {
        QCOMPARE(form().Caption(), caption);
        QCOMPARE(remaining(), line);
        QVERIFY(!ui().Command4->isHidden());
        for (QPushButton *button : drillButtons())
            QVERIFY(button->isHidden());
        QVERIFY(!ui().Timer1->isActive() && !ui().Timer2->isActive());
        QCOMPARE(record().RightClicks, Integer(0));
        QCOMPARE(record().TimeUsed, Integer(0));
    }

private slots:
    void init() { startProgram(std::make_unique<TestProgram>()); }
    void cleanup() { m_test.reset(); }

    void designAndFirstOpening()
    {
        QCOMPARE(ui().Label1->Caption(), "The rules are simple, just hit the [Next] button.\r"
                                         "If you click wrong, time will be removed.\r"
                                         "15 right clicks in the time for next level .\r");
        QCOMPARE(ui().Timer2->timerType(), Qt::PreciseTimer);
        QCOMPARE(ui().Timer2->interval(), 100);
        program().mainWindow().Guiden_Click();
        QVERIFY(form().IsVisible());
        // Loaded at start-up with level 0, and not prepared again by the menu.
        verifyReady("Level: 0", "Remaining time:30 seconds.");
        QCOMPARE(ui().Timer1->interval(), 1000);
        QTest::mouseClick(ui().Command4, Qt::LeftButton);
        QCOMPARE(remaining(), "Remaining time:29 seconds.");
        QVERIFY(ui().Command4->isHidden());
        QVERIFY(ui().Timer1->isActive() && ui().Timer2->isActive());
        finishLevel();
        QCOMPARE(form().Caption(), "Level: 2");
        QCOMPARE(ui().Timer1->interval(), 980);
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
        for (const char *moves : {"", "W", "S"}) {
            m_test->random->queueDraw(k, 3);
            if (*moves)
                play(moves);
            else
                openAndStart();
            QStringList shown;
            for (QPushButton *button : drillButtons())
                shown << button->text();
            QCOMPARE(shown, captions);
            QCOMPARE(m_test->random->seeds.last(), 1234.5f);
        }
    }

    void remainingTime_data()
    {
        QTest::addColumn<int>("timeUsed");
        QTest::addColumn<QString>("moves");
        QTest::addColumn<QString>("line");
        QTest::newRow("right click first") << 0 << "R"
                                           << "Remaining time:29.5 seconds.";
        QTest::newRow("wrong click first") << 0 << "W"
                                           << "Remaining time:28 seconds.";
        QTest::newRow("first tick") << 0 << "T"
                                    << "Remaining time:28.9 seconds.";
        QTest::newRow("shuffle tick") << 0 << "TRS"
                                      << "Remaining time:29.4 seconds.";
        QTest::newRow("wrong clicks past the limit") << 278 << "TWW"
                                                     << "Remaining time:-0.9 seconds.";
    }
    void remainingTime()
    {
        QFETCH(int, timeUsed);
        QFETCH(QString, moves);
        QFETCH(QString, line);
        openAndStart();
        record().TimeUsed = Integer(static_cast<qint16>(timeUsed));
        play(moves);
        QCOMPARE(remaining(), line);
        QVERIFY(prompts().isEmpty()); // a click never times out; the next tick does
    }

    void levelsBankTheirScore()
    {
        openAndStart();
        m_test->dialogs->whileOpen = [this] {
            QVERIFY(!ui().Timer1->isActive() && !ui().Timer2->isActive());
        };
        finishLevel();
        QCOMPARE(record().TotalScore, Integer(30));
        verifyReady("Level: 2", "Remaining time:28 seconds.");
        QCOMPARE(prompts(), QStringList{"You finished level 1.Get ready for the next one!"});

        QTest::mouseClick(ui().Command4, Qt::LeftButton);
        finishLevel();
        QCOMPARE(record().TotalScore, Integer(75));
        verifyReady("Level: 3", "Remaining time:27 seconds.");
        QCOMPARE(prompts().last(), "You finished level 2.Get ready for the next one!");

        m_test->dialogs->whileOpen = [this] { QVERIFY(!form().IsVisible()); };
        QTest::mouseClick(ui().Command4, Qt::LeftButton);
        finishLevel();
        QCOMPARE(record().TotalScore, Integer(135));
        QCOMPARE(prompts().last(), "You have completed this module!");
        QCOMPARE(prompts().size(), 3);
        QVERIFY(program().mainWindow().Guiden.Checked());
        QCOMPARE(record().InstallerLevel, Integer(0));
        QVERIFY(form().IsLoaded() && !form().IsVisible());
        verifyReady("Level: 4", "Remaining time:30 seconds.");

        m_test->dialogs->whileOpen = nullptr;
        program().mainWindow().Guiden_Click();
        QCOMPARE(prompts().last(), "You are already done with this module!");
        QVERIFY(!form().IsVisible());
        QCOMPARE(record().TotalScore, Integer(135));
    }

    void timeOut_data()
    {
        QTest::addColumn<int>("rightClicks");
        QTest::addColumn<int>("ticks");
        QTest::addColumn<QString>("message");
        QTest::newRow("no clicks") << 0 << 280 << "Time's out biatch! You scored 0 of 15.";
        QTest::newRow("7 right clicks") << 7 << 315 << "Time's out biatch! You scored 7 of 15.";
    }
    void timeOut()
    {
        QFETCH(int, rightClicks);
        QFETCH(int, ticks);
        QFETCH(QString, message);
        openAndStart();
        play(QString(rightClicks, u'R'));
        QString lineWhileOpen;
        m_test->dialogs->whileOpen = [&] {
            lineWhileOpen = remaining();
            QVERIFY(!ui().Timer1->isActive() && !ui().Timer2->isActive());
        };
        QCOMPARE(ticksUntilMessage(), ticks);
        QCOMPARE(prompts(), QStringList{message});
        QCOMPARE(lineWhileOpen, "Remaining time:1 seconds.");
        QCOMPARE(record().InstallerLevel, Integer(1));
        QCOMPARE(record().TotalScore, Integer(0));
        QVERIFY(form().IsLoaded() && !form().IsVisible());
        verifyReady("Level: 1", "Remaining time:29 seconds.");
        QCOMPARE(ui().Timer1->interval(), 990);
        QVERIFY(ui().Label1->Caption().startsWith("The rules are simple"));
        QCOMPARE(ui().Label1->Caption().count(u'\r'), 3);
    }

    void timeOutKeepsBankedLevels()
    {
        openAndStart();
        finishLevel();
        QTest::mouseClick(ui().Command4, Qt::LeftButton);
        finishLevel();
        QTest::mouseClick(ui().Command4, Qt::LeftButton);
        play("RRR");
        QCOMPARE(ticksUntilMessage(), 240 + 15);
        QCOMPARE(prompts().last(), "Time's out biatch! You scored 3 of 15.");
        QCOMPARE(record().TotalScore, Integer(75));
        QCOMPARE(record().InstallerLevel, Integer(1));
        QCOMPARE(record().RightClicks, Integer(0));
        QVERIFY(!program().mainWindow().Guiden.Checked());
    }

    void timeTickRewritesFrameCaption()
    {
        openAndStart();
        MDIForm1 &frame = program().mainWindow();
        frame.SetCaption("Thornax Windows Trainer - Certification completed");
        form().Timer2_Timer();
        QCOMPARE(frame.Caption(), "Thornax Windows Trainer");
        frame.SetCaption("other");
        record().TimeUsed = Integer(279);
        form().Timer2_Timer();
        QCOMPARE(prompts().size(), 1);
        QCOMPARE(frame.Caption(), "Thornax Windows Trainer");
    }

    void menuResetsLevelMidLevel()
    {
        openAndStart();
        finishLevel();
        QTest::mouseClick(ui().Command4, Qt::LeftButton);
        play("RRRR");
        program().mainWindow().Guiden_Click();
        QCOMPARE(record().InstallerLevel, Integer(1));
        QCOMPARE(form().Caption(), "Level: 2");
        QCOMPARE(record().RightClicks, Integer(4));
        play("T");
        QCOMPARE(remaining(), "Remaining time:30.9 seconds."); // level 1's limit
        play(QString(11, u'R'));
        QCOMPARE(record().TotalScore, Integer(60));
        QCOMPARE(form().Caption(), "Level: 2");
    }

    void closeBoxUnloadsAndMenuBanksAbandonedClicks()
    {
        openAndStart();
        play("RRRR");
        form().subWindow()->close();
        QVERIFY(!form().IsLoaded());
        program().mainWindow().Guiden_Click();
        QVERIFY(form().IsVisible());
        QCOMPARE(record().TotalScore, Integer(4));
        verifyReady("Level: 1", "Remaining time:29 seconds.");
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
        startProgram(TestProgram::WithRealDialogs());
        openAndStart();
        QPushButton *next = buttonReading("Next");
        // Open boxes, time used and shuffles so far, seen twice while the box is open.
        QList<QList<double>> seen;
        for (int at : {400, 1400}) {
            QTimer::singleShot(at, qApp, [&] {
                int boxes = 0;
                for (QWidget *widget : QApplication::topLevelWidgets())
                    boxes += qobject_cast<QMessageBox *>(widget) && widget->isVisible() ? 1 : 0;
                seen.append({double(boxes), record().TimeUsed.toDouble(),
                             double(m_test->random->seeds.size())});
            });
        }
        CloseModalBoxAfter(1500);
        if (timeOut) {
            record().TimeUsed = Integer(278);
            QTRY_COMPARE_WITH_TIMEOUT(record().TimeUsed, Integer(0), 3000);
            QVERIFY(!form().IsVisible());
        } else {
            record().RightClicks = Integer(14);
            QTest::mouseClick(next, Qt::LeftButton);
        }
        QCOMPARE(seen.size(), 2);
        QCOMPARE(seen[0][0], 1.0);
        QCOMPARE(seen[0][1], timeOut ? 280.0 : 0.0);
        QCOMPARE(seen[1], seen[0]);
        QTest::qWait(300);
        QVERIFY(!QApplication::activeModalWidget());
        verifyReady(timeOut ? "Level: 1" : "Level: 2",
                    timeOut ? "Remaining time:29 seconds." : "Remaining time:28 seconds.");
    }
};

QTEST_MAIN(tst_Form1)
#include "tst_form1.moc"
