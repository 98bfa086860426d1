#include "mdiform1.h"
#include "wholeprogram.h"
#include "testprogram.h"
#include "window.h"

#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

#include <functional>

using namespace Qt::StringLiterals;

namespace {

// A key pressed on the real keyboard goes to the open menu, else to the focus.
void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget *target = QApplication::activePopupWidget();
    if (!target)
        target = QApplication::focusWidget();
    if (!target)
        target = QApplication::activeWindow();
    QVERIFY(target);
    QTest::keyClick(target, key, modifiers);
}

// Start > Module > the module on the given line (0 for the first), by keys alone.
void openModule(int line)
{
    press(Qt::Key_S, Qt::AltModifier);
    press(Qt::Key_Return); // "Module" opens its submenu
    for (int i = 0; i < line; ++i)
        press(Qt::Key_Down);
    press(Qt::Key_Return);
    // The offscreen platform leaves the closed menu active; a desktop gives the
    // activation back to the frame, with its focus where it was.
    QWidget *frame = nullptr;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (qobject_cast<QMainWindow *>(w))
            frame = w;
    QVERIFY(frame);
    frame->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(frame));
}

bool focusIsIn(const Window &window)
{
    QWidget *focus = QApplication::focusWidget();
    return focus && window.subWindow() && window.subWindow()->isAncestorOf(focus);
}

// Presses Tab until the focus is on a control that matches; null if a round
// through the window never gets there.
template<class T> T *tabTo(const std::function<bool(T *)> &matches = {})
{
    for (int i = 0; i < 12; ++i) {
        if (auto *control = qobject_cast<T *>(QApplication::focusWidget()))
            if (!matches || matches(control))
                return control;
        press(Qt::Key_Tab);
    }
    return nullptr;
}

bool hasCaption(QPushButton *button, const QString &caption)
{
    return button->text() == caption;
}

} // namespace

// Each drill opened, started and played from the keyboard alone, and the keys
// that move between the open windows.
class tst_KeyboardWalk : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestProgram> m_test;

    Program &program() { return *m_test->program; }
    Window &window(WindowName name) { return program().window(name); }

private slots:
    void init()
    {
        m_test = wholeProgram();
        QVERIFY(QTest::qWaitForWindowActive(program().mainWindow().widget()));
    }
    void cleanup() { m_test.reset(); }

    void theScorePanelNeverTakesTheFocus()
    {
        QVERIFY(!focusIsIn(window(WindowName::frmAbout)));
        press(Qt::Key_Tab);
        QVERIFY(!focusIsIn(window(WindowName::frmAbout)));
        press(Qt::Key_Tab, Qt::ControlModifier);
        QVERIFY(!focusIsIn(window(WindowName::frmAbout)));
        QVERIFY(program().mainWindow().mdiArea()->activeSubWindow() !=
                window(WindowName::frmAbout).subWindow());
    }

    void theInstallerIsPlayedWithKeys()
    {
        openModule(0);
        const Window &installer = window(WindowName::Form1);
        QVERIFY(focusIsIn(installer));
        QPushButton *start =
            tabTo<QPushButton>([](QPushButton *b) { return hasCaption(b, u"START"_s); });
        QVERIFY(start);
        press(Qt::Key_Space);
        QVERIFY(start->isHidden());

        for (int right = 0; right < 15; ++right) {
            QPushButton *next =
                tabTo<QPushButton>([](QPushButton *b) { return hasCaption(b, u"Next"_s); });
            QVERIFY2(next, qPrintable(u"right click %1"_s.arg(right + 1)));
            press(Qt::Key_Space);
        }
        QCOMPARE(m_test->dialogs->prompts(),
                 QStringList{u"You finished level 1.Get ready for the next one!"_s});
        // The next level starts from the keyboard as well.
        QVERIFY(focusIsIn(installer));
        QVERIFY(tabTo<QPushButton>([](QPushButton *b) { return hasCaption(b, u"START"_s); }));
        press(Qt::Key_Space);
        QVERIFY(tabTo<QPushButton>([](QPushButton *b) { return hasCaption(b, u"Next"_s); }));
    }

    void theScrollingDrillIsPlayedWithKeys()
    {
        m_test->random->queueDraw(5, 10); // the magic number
        for (int value : {1, 9, 3, 10})
            m_test->random->queueDraw(value, 10);
        openModule(1);
        const Window &scrolling = window(WindowName::Form3);
        QVERIFY(focusIsIn(scrolling));
        QVERIFY(tabTo<QPushButton>([](QPushButton *b) { return hasCaption(b, u"START"_s); }));
        press(Qt::Key_Space);

        QList<QScrollBar *> reached;
        for (int bar = 0; bar < 4; ++bar) {
            QScrollBar *focused =
                tabTo<QScrollBar>([&](QScrollBar *b) { return !reached.contains(b); });
            QVERIFY(focused);
            reached.append(focused);
            for (int i = 0; i < 10 && focused->value() != 5; ++i)
                press(focused->value() < 5 ? Qt::Key_Down : Qt::Key_Up);
            QCOMPARE(focused->value(), 5);
        }
        auto *timer = control<QTimer>(scrolling, u"Timer1"_s);
        QVERIFY(timer);
        QMetaObject::invokeMethod(timer, "timeout");
        QCOMPARE(m_test->dialogs->prompts(), QStringList{u"You have completed this module!"_s});
    }

    void theTypingDrillIsPlayedWithKeys()
    {
        m_test->random->queueDraw(1, 3);
        openModule(2);
        const Window &typing = window(WindowName::Form2);
        QVERIFY(focusIsIn(typing));
        QVERIFY(tabTo<QPushButton>([](QPushButton *b) { return hasCaption(b, u"START"_s); }));
        press(Qt::Key_Space);
        // START leaves the focus in the window but outside the typing box; Tab gets there.
        QCoreApplication::processEvents();
        QVERIFY(focusIsIn(typing));
        QVERIFY(!qobject_cast<QPlainTextEdit *>(QApplication::focusWidget()));
        QPlainTextEdit *box = tabTo<QPlainTextEdit>();
        QVERIFY(box);
        QTest::keyClicks(box, u"A brown fox jumps over the river, which has been polluted by the "
                              u"acid rains."_s);
        QCOMPARE(m_test->dialogs->prompts(), QStringList{u"You have completed this module!"_s});
    }

    void controlKeysMoveBetweenAndCloseTheWindows()
    {
        openModule(1);
        openModule(2);
        const Window &scrolling = window(WindowName::Form3);
        const Window &typing = window(WindowName::Form2);
        QVERIFY(focusIsIn(typing));

        press(Qt::Key_Tab, Qt::ControlModifier);
        QVERIFY(focusIsIn(scrolling));
        press(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(focusIsIn(typing));
        press(Qt::Key_F6, Qt::ControlModifier);
        QVERIFY(focusIsIn(scrolling));

        press(Qt::Key_F4, Qt::ControlModifier);
        QVERIFY(!scrolling.isLoaded());
        QVERIFY(focusIsIn(typing));
        press(Qt::Key_F4, Qt::ControlModifier);
        QVERIFY(!typing.isLoaded());
        // Only the score panel is left, and it is neither activated nor closed.
        QVERIFY(!focusIsIn(window(WindowName::frmAbout)));
        press(Qt::Key_F4, Qt::ControlModifier);
        QVERIFY(window(WindowName::frmAbout).isVisible());
    }
};

QTEST_MAIN(tst_KeyboardWalk)
#include "tst_keyboardwalk.moc"
