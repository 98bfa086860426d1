#include "design.h"
#include "form1.h"
#include "frmabout.h"
#include "label.h"
#include "mdiform1.h"
#include "shownpixels.h"
#include "testprogram.h"
#include "valuerules.h"

#include <QApplication>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

// The score panel: its look, the score line and the end of the run.
class tst_frmAbout : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestProgram> m_test;

    MDIForm1 &frame() { return m_test->program->mainWindow(); }
    frmAbout &panel() { return m_test->program->window<frmAbout>(); }
    Label &Pryl() { return *control<Label>(panel(), "Pryl"); }
    QTimer &Timer1() { return *control<QTimer>(panel(), "Timer1"); }

private slots:
    void init() { m_test = programWith<frmAbout, Form1>(); }
    void cleanup() { m_test.reset(); }

    void designAtStart()
    {
        QVERIFY(panel().isLoaded());
        QVERIFY(panel().subWindow()->windowFlags().testFlag(Qt::FramelessWindowHint));
        QCOMPARE(panel().Left(), frame().Width() - (4875 + 300));
        QCOMPARE(panel().Top(), 105); // 100 twips, to the nearest pixel
        QCOMPARE(panel().subWindow()->widget()->palette().color(QPalette::Window),
                 applicationWorkspaceColour());
        QVERIFY(!control<QLabel>(panel(), "picIcon")->pixmap().isNull());
        QCOMPARE(Pryl().Caption(), "Total Score: 0");
        QCOMPARE(Pryl().ForeColour(), QColor(192, 192, 192));
        QCOMPARE(Pryl().font().pointSizeF(), 15.75);
        QVERIFY(Pryl().font().bold() && Pryl().wordWrap());
        QCOMPARE(Timer1().interval(), 1000);
    }

    // Each tick shows the total, 16-bit or widened; the tick after the last module is done
    // finishes the run and stops the timer, so that comes once.
    void scoreLineUntilFinishedInAnyOrder_data()
    {
        QTest::addColumn<Variant>("total");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QList<int>>("order");
        // The orders start with each module, pass through each pair and end with each one.
        QTest::newRow("zero, 012") << Integer(0) << "0" << QList<int>{0, 1, 2};
        QTest::newRow("75, 021") << Integer(75) << "75" << QList<int>{0, 2, 1};
        QTest::newRow("negative, 120") << Integer(-20) << "-20" << QList<int>{1, 2, 0};
        QTest::newRow("widened, 201") << Long(40135) << "40135" << QList<int>{2, 0, 1};
        QTest::newRow("lowest of two drills, 102")
            << Long(-65035) << "-65035" << QList<int>{1, 0, 2};
    }
    void scoreLineUntilFinishedInAnyOrder()
    {
        QFETCH(Variant, total);
        QFETCH(QString, shown);
        QFETCH(QList<int>, order);
        MenuItem *items[] = {&frame().Guiden, &frame().Scroll, &frame().mnuTyping};
        m_test->program->record().TotalScore = total;
        for (int i : order) {
            panel().Timer1_Timer();
            QCOMPARE(Pryl().Caption(), "Total Score: " + shown);
            QVERIFY(showsWholeText(&Pryl()));
            QCOMPARE(frame().Caption(), "Thornax Windows Trainer");
            QVERIFY(!frame().mnuCertificate.Enabled());
            QVERIFY(Timer1().isActive());
            items[i]->SetChecked(true);
        }
        panel().Timer1_Timer();
        QCOMPARE(Pryl().Caption(), "Finished with " + shown + " points!");
        QVERIFY(showsWholeText(&Pryl()));
        QCOMPARE(frame().Caption(), "Thornax Windows Trainer - Certification completed");
        QVERIFY(frame().mnuCertificate.Enabled());
        QVERIFY(!Timer1().isActive());
    }

    void realTimerFinishesOnce()
    {
        for (MenuItem *item : {&frame().Guiden, &frame().Scroll, &frame().mnuTyping})
            item->SetChecked(true);
        m_test->program->record().TotalScore = Integer(75);
        QTRY_COMPARE_WITH_TIMEOUT(Pryl().Caption(), "Finished with 75 points!", 2000);
        QTest::qWait(1200);
        QCOMPARE(frame().Caption(), "Thornax Windows Trainer - Certification completed");
    }

    // The panel never opens a box, so it goes on ticking while the Installer's level box
    // waits for OK: the level's points, or the finished run, show within a second.
    void ticksWhileTheInstallersLevelBoxIsOpen_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("caption");
        QTest::newRow("level 1") << 1 << "Total Score: 30"
                                 << "Thornax Windows Trainer";
        QTest::newRow("level 3, the others done")
            << 3 << "Finished with 135 points!"
            << "Thornax Windows Trainer - Certification completed";
    }
    void ticksWhileTheInstallersLevelBoxIsOpen()
    {
        QFETCH(int, level);
        QFETCH(QString, shown);
        QFETCH(QString, caption);
        m_test = programWith<frmAbout, Form1>(Boxes::Real);
        frame().Guiden_Click();
        if (level == 3) {
            frame().Scroll.SetChecked(true);
            frame().mnuTyping.SetChecked(true);
            m_test->program->record().TotalScore = Integer(75);
        }
        m_test->program->record().InstallerLevel = Integer(qint16(level));
        Form1Controls &installer = m_test->program->window<Form1>().controls();
        QTest::mouseClick(installer.Command4, Qt::LeftButton);
        m_test->program->record().RightClicks = Integer(14);

        QStringList seen;
        BoxAnswerer answerer(1500);
        answerer.lookWhileOpen(1300, [&] {
            if (qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
                seen = {Pryl().Caption(), frame().Caption(),
                        frame().mnuCertificate.Enabled() ? "enabled" : "greyed"};
        });
        for (QPushButton *button : {installer.Command1, installer.Command2, installer.Command3})
            if (button->text() == "Next") {
                QTest::mouseClick(button, Qt::LeftButton);
                break;
            }
        QCOMPARE(seen, (QStringList{shown, caption, level == 3 ? "enabled" : "greyed"}));
    }
};

QTEST_MAIN(tst_frmAbout)
#include "tst_frmabout.moc"
