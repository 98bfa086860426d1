#include "mdiform1.h"
#include "registerwindows.h"
#include "testprogram.h"
#include "valuerules.h"
#include "window.h"

#include <QGroupBox>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QtTest>

// A whole training run with every real window: the three modules played
// through as a user would, then the score panel's final line and the certificate item.
class tst_WholeRun : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestProgram> m_test;
    Program &program() { return *m_test->program; }
    MDIForm1 &frame() { return program().mainWindow(); }

    QMdiSubWindow *subWindow(WindowName name)
    {
        QMdiSubWindow *window = program().window(name).subWindow();
        if (!window)
            qFatal("window %d is not loaded", int(name));
        return window;
    }
    template<class T> T *find(WindowName name, const std::function<bool(T *)> &matches)
    {
        for (T *widget : subWindow(name)->findChildren<T *>())
            if (matches(widget))
                return widget;
        return nullptr;
    }
    void click(WindowName name, const QString &caption)
    {
        auto *button = find<QPushButton>(
            name, [&](QPushButton *b) { return !b->isHidden() && b->text() == caption; });
        QVERIFY2(button, qPrintable(caption));
        QTest::mouseClick(button, Qt::LeftButton);
    }
    // The text of the label inside the frame with the given title.
    QString framedText(WindowName name, const QString &title)
    {
        auto *frame = find<QGroupBox>(name, [&](QGroupBox *g) { return g->title() == title; });
        QLabel *label = frame ? frame->findChild<QLabel *>() : nullptr;
        return label ? label->text() : QString();
    }
    // Lets the window's one-second timer tick once.
    void tickOnce(WindowName name)
    {
        auto *timer = find<QTimer>(name, [](QTimer *t) { return t->interval() == 1000; });
        QVERIFY2(timer, "no one-second timer");
        QVERIFY(QMetaObject::invokeMethod(timer, "timeout"));
    }

    void playInstaller()
    {
        frame().Guiden_Click();
        for (int level = 1; level <= 3; ++level) {
            click(WindowName::Form1, QStringLiteral("START"));
            for (int right = 0; right < 15 && !QTest::currentTestFailed(); ++right)
                click(WindowName::Form1, QStringLiteral("Next"));
            if (QTest::currentTestFailed())
                return;
        }
        QVERIFY(frame().Guiden.Checked());
        QCOMPARE(program().record().TotalScore, Integer(135));
    }

    void playScrolling()
    {
        frame().Scroll_Click();
        click(WindowName::Form3, QStringLiteral("START"));
        const int target = framedText(WindowName::Form3, QStringLiteral("Magic number")).toInt();
        QVERIFY(target >= 1 && target <= 10);
        const auto bars = subWindow(WindowName::Form3)->findChildren<QScrollBar *>();
        QCOMPARE(bars.size(), 4);
        for (QScrollBar *bar : bars)
            bar->setValue(target);
        tickOnce(WindowName::Form3);
        QVERIFY(frame().Scroll.Checked());
        QCOMPARE(program().record().TotalScore, Integer(135 + 500));
    }

    void playTyping()
    {
        frame().mnuTyping_Click();
        click(WindowName::Form2, QStringLiteral("START"));
        const QString sentence =
            framedText(WindowName::Form2, QStringLiteral("Please retype the following text"));
        QCOMPARE(sentence.size(), 76);
        auto *box = find<QPlainTextEdit>(WindowName::Form2, [](QPlainTextEdit *) { return true; });
        QVERIFY(box);
        QTest::keyClicks(box, sentence.chopped(1));
        tickOnce(WindowName::Form2);
        QTest::keyClicks(box, sentence.right(1));
        QVERIFY(frame().mnuTyping.Checked());
        QCOMPARE(program().record().TotalScore, Integer(135 + 500 + 199 * 75));
    }

private slots:
    void init()
    {
        m_test = std::make_unique<TestProgram>();
        RegisterWindows(program());
        frame().Load();
    }
    void cleanup() { m_test.reset(); }

    void aWholeRunEndsWithTheCertificate()
    {
        playInstaller();
        if (QTest::currentTestFailed())
            return;
        playScrolling();
        if (QTest::currentTestFailed())
            return;
        playTyping();
        if (QTest::currentTestFailed())
            return;

        const QString done = QStringLiteral("You have completed this module!");
        QCOMPARE(m_test->dialogs->prompts(),
                 (QStringList{QStringLiteral("You finished level 1.Get ready for the next one!"),
                              QStringLiteral("You finished level 2.Get ready for the next one!"),
                              done, done, done}));
        QVERIFY(!frame().mnuCertificate.Enabled());

        tickOnce(WindowName::frmAbout);
        const QString finished =
            QStringLiteral("Finished with %1 points!").arg(135 + 500 + 199 * 75);
        QVERIFY(
            find<QLabel>(WindowName::frmAbout, [&](QLabel *l) { return l->text() == finished; }));
        QVERIFY(frame().mnuCertificate.Enabled());
        QCOMPARE(frame().Caption(),
                 QStringLiteral("Thornax Windows Trainer - Certification completed"));
    }
};

QTEST_MAIN(tst_WholeRun)
#include "tst_wholerun.moc"
