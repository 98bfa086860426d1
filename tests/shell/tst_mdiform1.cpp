#include "label.h"
#include "mdiform1.h"
#include "placeholderwindow.h"
#include "testprogram.h"
#include "valuerules.h"
#include "window.h"

#include <QMainWindow>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QtTest>

Q_DECLARE_METATYPE(WindowName)

namespace {

QStringList captions(const QWidget *menu)
{
    QStringList captions;
    for (const QAction *action : menu->actions())
        captions << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return captions;
}

} // namespace

// The frame: start-up state, the menu tree and the handlers behind it.
class tst_MDIForm1 : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestProgram> m_test;
    Program &program() { return *m_test->program; }
    MDIForm1 &frame() { return program().mainWindow(); }
    PlaceholderWindow &placeholder(WindowName name)
    {
        return static_cast<PlaceholderWindow &>(program().window(name));
    }

private slots:
    void init() { m_test = programWith<>(); }
    void cleanup() { m_test.reset(); }

    void startUpResetsTheRecordAndLoadsInstallerHidden()
    {
        const Module1 &record = program().record();
        QCOMPARE(record.TotalScore, Integer(0));
        QCOMPARE(record.InstallerLevel, Integer(0));
        QVERIFY(record.ScrollDrift.isEmpty());
        QCOMPARE(frame().Caption(), QStringLiteral("Thornax Windows Trainer"));

        Window *installer = program().existingWindow(WindowName::Form1);
        QVERIFY(installer && installer->isLoaded());
        QVERIFY(!installer->isVisible());
        QVERIFY(program().window(WindowName::frmAbout).isLoaded());
        for (WindowName unloaded :
             {WindowName::Form2, WindowName::Form3, WindowName::Form4, WindowName::Form5})
            QVERIFY(!program().existingWindow(unloaded));
    }

    void menuTreeInOrder()
    {
        QCOMPARE(captions(frame().widget()->menuBar()), QStringList({"&Start", "&?"}));
        QCOMPARE(captions(frame().PlayMenu),
                 QStringList({"&Module", "Get certificate", "-", "E&xit"}));
        QCOMPARE(
            captions(frame().Newgame),
            QStringList({"Module 1: The Installer", "Module 2: Scrolling", "Module 3: Typing"}));
        QCOMPARE(captions(frame().mnufrage), QStringList({"&About", "&Browser"}));

        for (const MenuItem *item : {&frame().Guiden, &frame().Scroll, &frame().mnuTyping}) {
            QVERIFY(!item->Checked());
            QVERIFY(item->Enabled());
            QVERIFY(item->action()->shortcut().isEmpty());
        }
        QVERIFY(!frame().mnuCertificate.Enabled());
    }

    void scorePanelSitsNearTheTopRight()
    {
        Window &panel = program().window(WindowName::frmAbout);
        QCOMPARE(panel.Left(), frame().Width() - (panel.Width() + 300));
        QCOMPARE(panel.Top(), 105); // 100 twips, to the nearest pixel
    }

    void refusesFinishedModules_data()
    {
        QTest::addColumn<int>("item");
        QTest::addColumn<WindowName>("window");
        QTest::newRow("Installer") << 0 << WindowName::Form1;
        QTest::newRow("Scrolling") << 1 << WindowName::Form3;
        QTest::newRow("Typing") << 2 << WindowName::Form2;
    }
    void refusesFinishedModules()
    {
        QFETCH(int, item);
        QFETCH(WindowName, window);
        MenuItem *items[] = {&frame().Guiden, &frame().Scroll, &frame().mnuTyping};
        items[item]->SetChecked(true);
        const bool loadedBefore = program().window(window).isLoaded();

        items[item]->action()->trigger();

        QCOMPARE(m_test->dialogs->prompts(),
                 QStringList{QStringLiteral("You are already done with this module!")});
        QCOMPARE(m_test->dialogs->messages.first().icon, MessageIcon::None);
        QVERIFY(items[item]->Checked()); // choosing a checked item keeps its mark
        QCOMPARE(program().window(window).isLoaded(), loadedBefore);
        QVERIFY(!program().window(window).isVisible());
        QCOMPARE(program().record().InstallerLevel, Integer(0));
    }

    void openingModulesShowsTheirWindows()
    {
        frame().Guiden.action()->trigger();
        QCOMPARE(program().record().InstallerLevel, Integer(1));
        QVERIFY(program().window(WindowName::Form1).isVisible());
        QCOMPARE(placeholder(WindowName::Form1).loads, 1); // loaded at start, not again

        frame().Scroll.action()->trigger();
        QVERIFY(program().window(WindowName::Form3).isVisible());
        frame().mnuTyping.action()->trigger();
        QVERIFY(program().window(WindowName::Form2).isVisible());
        frame().mnuTyping.action()->trigger(); // only brought to the front
        QCOMPARE(placeholder(WindowName::Form2).loads, 1);
        QVERIFY(m_test->dialogs->messages.isEmpty());
    }

    void installerItemResetsTheLevelOfAnOpenWindow()
    {
        frame().Guiden.action()->trigger();
        program().record().InstallerLevel = Integer(3);
        frame().Guiden.action()->trigger();
        QCOMPARE(program().record().InstallerLevel, Integer(1));
        QCOMPARE(placeholder(WindowName::Form1).loads, 1);
    }

    void certificateCanBeRequestedOnce()
    {
        frame().mnuCertificate.SetEnabled(true);
        frame().mnuCertificate.action()->trigger();
        QVERIFY(!frame().mnuCertificate.Enabled());
        QVERIFY(program().window(WindowName::Form4).isVisible());
        program().window(WindowName::Form4).Unload();
        QVERIFY(!frame().mnuCertificate.Enabled());
    }

    void aboutShowsTwoLinesWithTheInformationIcon()
    {
        frame().mnuAbout.action()->trigger();
        QCOMPARE(m_test->dialogs->messages.size(), 1);
        QCOMPARE(m_test->dialogs->messages.first().prompt,
                 QStringLiteral("This is a contribution to the Mirelund Competition\r"
                                "Made by the wonderful Thornax Studios"));
        QCOMPARE(m_test->dialogs->messages.first().icon, MessageIcon::Information);
        QCOMPARE(frame().Caption(), QStringLiteral("Thornax Windows Trainer"));
    }

    void browserOpensAtAnyTime()
    {
        frame().Guiden.SetChecked(true);
        frame().mnuBrowser.action()->trigger();
        QVERIFY(program().window(WindowName::Form5).isVisible());
        frame().mnuBrowser.action()->trigger();
        QCOMPARE(placeholder(WindowName::Form5).loads, 1);
    }

    void exitEndsTheProgram()
    {
        frame().Guiden.action()->trigger();
        frame().Quit.action()->trigger();
        QCOMPARE(m_test->end->calls, 1);
        QVERIFY(m_test->dialogs->messages.isEmpty());
    }

    void frameLooksAsDesigned()
    {
        QMainWindow *window = frame().widget();
        QVERIFY(window->windowState().testFlag(Qt::WindowMaximized));
        QVERIFY(!window->windowIcon().isNull());
        QCOMPARE(frame().mdiArea()->horizontalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
        QCOMPARE(frame().mdiArea()->verticalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
    }
};

QTEST_MAIN(tst_MDIForm1)
#include "tst_mdiform1.moc"
