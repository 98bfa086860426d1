#include "certificatetext.h"
#include "label.h"
#include "mdiform1.h"
#include "registerwindows.h"
#include "testprogram.h"
#include "window.h"

#include <QGroupBox>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// The first child of the loaded window that matches, or null.
template<class T>
T *find(Program &program, WindowName name, const std::function<bool(T *)> &matches = {})
{
    QMdiSubWindow *window = program.window(name).subWindow();
    for (T *widget : window ? window->findChildren<T *>() : QList<T *>())
        if (!matches || matches(widget))
            return widget;
    return nullptr;
}

bool click(Program &program, WindowName name, const QString &caption)
{
    auto *button = find<QPushButton>(
        program, name, [&](QPushButton *b) { return !b->isHidden() && b->text() == caption; });
    if (button)
        QTest::mouseClick(button, Qt::LeftButton);
    return button;
}

// The text of the label inside the frame with the given title.
QString framedText(Program &program, WindowName name, const QString &title)
{
    auto *frame = find<QGroupBox>(program, name, [&](QGroupBox *g) { return g->title() == title; });
    QLabel *label = frame ? frame->findChild<QLabel *>() : nullptr;
    return label ? label->text() : QString();
}

// Lets the window's one-second timer tick once.
bool tickOnce(Program &program, WindowName name)
{
    auto *timer = find<QTimer>(program, name, [](QTimer *t) { return t->interval() == 1000; });
    return timer && QMetaObject::invokeMethod(timer, "timeout");
}

} // namespace

// A whole training run with every real window: the three modules played
// through as a user would, the score panel's final line, then the certificate.
class tst_WholeRun : public QObject
{
    Q_OBJECT

private slots:
    void aWholeRunEndsWithTheCertificate()
    {
        TestProgram test;
        Program &program = *test.program;
        registerWindows(program);
        MDIForm1 &frame = program.mainWindow();
        frame.Load();

        // The installer: three levels of fifteen right answers.
        frame.Guiden_Click();
        for (int level = 1; level <= 3; ++level) {
            QVERIFY(click(program, WindowName::Form1, u"START"_s));
            for (int right = 0; right < 15; ++right)
                QVERIFY(click(program, WindowName::Form1, u"Next"_s));
        }

        // Scrolling: all four bars on the magic number, then one tick.
        frame.Scroll_Click();
        QVERIFY(click(program, WindowName::Form3, u"START"_s));
        const int target = framedText(program, WindowName::Form3, u"Magic number"_s).toInt();
        for (auto *bar :
             program.window(WindowName::Form3).subWindow()->findChildren<QScrollBar *>())
            bar->setValue(target);
        QVERIFY(tickOnce(program, WindowName::Form3));

        // Typing: all but the last character, one tick, then the last one.
        frame.mnuTyping_Click();
        QVERIFY(click(program, WindowName::Form2, u"START"_s));
        const QString sentence =
            framedText(program, WindowName::Form2, u"Please retype the following text"_s);
        auto *box = find<QPlainTextEdit>(program, WindowName::Form2);
        QVERIFY(box);
        QTest::keyClicks(box, sentence.chopped(1));
        QVERIFY(tickOnce(program, WindowName::Form2));
        QTest::keyClicks(box, sentence.right(1));

        const QString done = u"You have completed this module!"_s;
        QCOMPARE(
            test.dialogs->prompts(),
            (QStringList{u"You finished level 1.Get ready for the next one!"_s,
                         u"You finished level 2.Get ready for the next one!"_s, done, done, done}));
        // Every module is completed; only the score panel's tick enables the certificate.
        QVERIFY(!frame.mnuCertificate.Enabled());

        // The score panel's next tick reports the run and opens the certificate.
        QVERIFY(tickOnce(program, WindowName::frmAbout));
        const QString finished = u"Finished with %1 points!"_s.arg(135 + 500 + 199 * 75);
        QVERIFY(find<QLabel>(program, WindowName::frmAbout,
                             [&](QLabel *l) { return l->text() == finished; }));
        QVERIFY(frame.mnuCertificate.Enabled());
        QCOMPARE(frame.Caption(), u"Thornax Windows Trainer - Certification completed"_s);

        // "Get certificate" asks for the name and makes the certificate out to it, once.
        test.dialogs->answers = QStringList{u"Ada Lovelace"_s};
        frame.mnuCertificate.action()->trigger();
        QCOMPARE(test.dialogs->questions, QStringList{u"Please enter your name"_s});
        Window &certificate = program.window(WindowName::Form4);
        QVERIFY(certificate.isVisible());
        QCOMPARE(control<Label>(certificate, "Label2")->Caption(),
                 certificateText(u"Ada Lovelace"_s));
        QVERIFY(!frame.mnuCertificate.Enabled());
    }
};

QTEST_MAIN(tst_WholeRun)
#include "tst_wholerun.moc"
