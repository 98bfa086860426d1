#include "label.h"
#include "mdiform1.h"
#include "placeholderwindow.h"
#include "testprogram.h"
#include "window.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QtTest>

// The window lifecycle: Load, Show, Hide and Unload, and what survives Unload.
class tst_Window : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestProgram> m_test;
    PlaceholderWindow &window()
    {
        return static_cast<PlaceholderWindow &>(m_test->program->window(WindowName::Form2));
    }

private slots:
    void init() { m_test = programWith<>(); }
    void cleanup() { m_test.reset(); }

    void operationsMoveBetweenTheStates()
    {
        PlaceholderWindow &w = window();
        QVERIFY(!w.isLoaded());

        w.Load();
        QVERIFY(w.isLoaded());
        QVERIFY(w.isVisible()); // a child window shows as soon as it is loaded
        QCOMPARE(w.loads, 1);

        w.Load(); // already loaded: nothing
        QCOMPARE(w.loads, 1);

        w.Hide();
        QVERIFY(w.isLoaded());
        QVERIFY(!w.isVisible());

        w.Show();
        QVERIFY(w.isVisible());
        QCOMPARE(m_test->program->mainWindow().mdiArea()->activeSubWindow(), w.subWindow());

        w.Unload();
        QVERIFY(!w.isLoaded());
        w.Unload(); // not loaded: nothing
        QVERIFY(!w.isLoaded());
        QCOMPARE(w.loads, 1);
    }

    // On a frame that is on screen, as the user sees it.
    void aLoadedWindowIsSeen()
    {
        m_test->program->mainWindow().widget()->show();
        window().Load();
        QVERIFY(window().subWindow()->isVisible());
    }

    void hideLoadsWithoutShowing()
    {
        PlaceholderWindow &w = window();
        w.Hide();
        QVERIFY(w.isLoaded());
        QVERIFY(!w.isVisible());
        QCOMPARE(w.loads, 1);
    }

    void unloadDiscardsControlsButNotFields()
    {
        PlaceholderWindow &w = window();
        w.controls().Label1->SetCaption(QStringLiteral("changed"));
        QPointer<QMdiSubWindow> first = w.subWindow();
        w.Unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(first.isNull());

        // Touching a control of an unloaded window loads it again, from the design.
        QCOMPARE(w.controls().Label1->Caption(), QStringLiteral("design"));
        QVERIFY(w.isLoaded());
        QCOMPARE(w.loads, 2);
    }

    void closeBoxUnloads()
    {
        PlaceholderWindow &w = window();
        w.Show();
        w.subWindow()->close();
        QVERIFY(!w.isLoaded());
    }

    void borderlessWindowsCannotBeClosed()
    {
        // The score panel has no border; Ctrl+F4 on it must not make it disappear.
        Window &panel = m_test->program->window(WindowName::frmAbout);
        QVERIFY(panel.isLoaded());
        panel.subWindow()->close();
        QVERIFY(panel.isLoaded());
        QVERIFY(panel.isVisible());
    }

    void signalsOfUnloadedControlsAreDropped()
    {
        PlaceholderWindow &w = window();
        w.Show();
        QPointer<QMdiSubWindow> old = w.subWindow();
        w.Unload();
        // The old widgets linger until the event loop deletes them; nothing
        // they still do may bring the window back.
        QVERIFY(old);
        QVERIFY(!w.isLoaded());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!w.isLoaded());
        QCOMPARE(w.loads, 1);
    }

    void geometryIsInTwips()
    {
        PlaceholderWindow &w = window();
        w.move(1500, 300);
        QCOMPARE(w.subWindow()->pos(), QPoint(100, 20));
        QCOMPARE(w.Left(), 1500);
        QCOMPARE(w.Top(), 300);
        QCOMPARE(w.subWindow()->widget()->size(), QSize(200, 100)); // 3000 x 1500 twips
        QVERIFY(w.Width() > 3000); // the frame's border comes on top
    }

    void noWindowOutlivesItsProgram()
    {
        window().Show();
        QPointer<QMdiSubWindow> sub = window().subWindow();
        QPointer<QMainWindow> frame = m_test->program->mainWindow().widget();
        m_test.reset();
        QVERIFY(sub.isNull());
        QVERIFY(frame.isNull());
    }
};

QTEST_MAIN(tst_Window)
#include "tst_window.moc"
