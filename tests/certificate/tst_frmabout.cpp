#include "design.h"
#include "frmabout.h"
#include "label.h"
#include "mdiform1.h"
#include "placeholderwindow.h"
#include "testprogram.h"
#include "valuerules.h"

#include <QMdiSubWindow>
#include <QTimer>
#include <QtTest>

// The score panel: its look, the score line and the end of the run.
class tst_frmAbout : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestProgram> m_test;
    Program &program() { return *m_test->program; }
    MDIForm1 &frame() { return program().mainWindow(); }
    frmAbout &panel() { return program().window<frmAbout>(); }
    Label &Pryl() { return *panel().controls().Pryl; }

private slots:
    void init()
    {
        m_test = std::make_unique<TestProgram>();
        program().RegisterWindow(frmAbout::Name,
                                 [](Program &p) { return std::make_unique<frmAbout>(p); });
        RegisterPlaceholders(program());
        frame().Load();
    }
    void cleanup() { m_test.reset(); }

    void designAtStart()
    {
        QVERIFY(panel().IsLoaded());
        QVERIFY(panel().subWindow()->windowFlags().testFlag(Qt::FramelessWindowHint));
        QCOMPARE(panel().Width(), 4875);
        QCOMPARE(panel().Left(), frame().Width() - (4875 + 300));
        QCOMPARE(panel().Top(), 105); // 100 twips, to the nearest pixel
        QCOMPARE(Pryl().Caption(), "Total Score: 0");
        QCOMPARE(Pryl().ForeColour(), QColor(192, 192, 192));
        QCOMPARE(Pryl().font().pointSizeF(), 15.75);
        QVERIFY(Pryl().font().bold());
        QVERIFY(Pryl().wordWrap());
        QCOMPARE(panel().subWindow()->widget()->palette().color(QPalette::Window),
                 ApplicationWorkspaceColour());
        QVERIFY(!panel().controls().picIcon->pixmap().isNull());
        QTimer *timer = panel().controls().Timer1;
        QVERIFY(timer->isActive());
        QCOMPARE(timer->interval(), 1000);
    }

    void scoreLine_data()
    {
        QTest::addColumn<Variant>("total");
        QTest::addColumn<QString>("line");
        QTest::newRow("zero") << Integer(0) << "Total Score: 0";
        QTest::newRow("75") << Integer(75) << "Total Score: 75";
        QTest::newRow("negative") << Integer(-20) << "Total Score: -20";
        QTest::newRow("widened") << Long(40135) << "Total Score: 40135";
    }
    void scoreLine()
    {
        QFETCH(Variant, total);
        QFETCH(QString, line);
        program().record().TotalScore = total;
        panel().Timer1_Timer();
        QCOMPARE(Pryl().Caption(), line);
        QVERIFY(!frame().mnuCertificate.Enabled());
        QCOMPARE(frame().Caption(), "Thornax Windows Trainer");
        QVERIFY(panel().controls().Timer1->isActive());
    }

    void finishedOnceInAnyOrder_data()
    {
        QTest::addColumn<QList<int>>("order");
        QList<int> order{0, 1, 2};
        do {
            QTest::addRow("%d%d%d", order[0], order[1], order[2]) << order;
        } while (std::next_permutation(order.begin(), order.end()));
    }
    void finishedOnceInAnyOrder()
    {
        QFETCH(QList<int>, order);
        MenuItem *items[] = {&frame().Guiden, &frame().Scroll, &frame().mnuTyping};
        program().record().TotalScore = Integer(135);
        for (int i : order) {
            QVERIFY(Pryl().Caption().startsWith("Total Score: "));
            QVERIFY(!frame().mnuCertificate.Enabled());
            items[i]->SetChecked(true);
            QTimer *timer = panel().controls().Timer1;
            if (timer->isActive()) // only a running timer delivers its tick
                panel().Timer1_Timer();
        }
        QCOMPARE(Pryl().Caption(), "Finished with 135 points!");
        QCOMPARE(frame().Caption(), "Thornax Windows Trainer - Certification completed");
        QVERIFY(frame().mnuCertificate.Enabled());
        QVERIFY(!panel().controls().Timer1->isActive());
    }

    void realTimerFinishesOnce()
    {
        frame().Guiden.SetChecked(true);
        frame().Scroll.SetChecked(true);
        frame().mnuTyping.SetChecked(true);
        program().record().TotalScore = Integer(75);
        QTRY_COMPARE_WITH_TIMEOUT(Pryl().Caption(), "Finished with 75 points!", 2000);
        QTest::qWait(1200);
        QCOMPARE(frame().Caption(), "Thornax Windows Trainer - Certification completed");
    }
};

QTEST_MAIN(tst_frmAbout)
#include "tst_frmabout.moc"
