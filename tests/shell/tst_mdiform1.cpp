#include "label.h"
#include "mdiform1.h"
#include "placeholderwindow.h"
#include "testprogram.h"
#include "valuerules.h"
#include "window.h"

#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QtTest>

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
    void init()
    {
        m_test = std::make_unique<TestProgram>();
        RegisterPlaceholders(program());
        frame().Load();
    }
    void cleanup() { m_test.reset(); }

    void startUpResetsTheRecordAndLoadsInstallerHidden()
    {
        const Module1 &record = program().record();
        QCOMPARE(record.TotalScore, Integer(0));
        QCOMPARE(record.InstallerLevel, Integer(0));
        QVERIFY(record.ScrollDrift.isEmpty());
        QCOMPARE(frame().Caption(), QStringLiteral("Thornax Windows Trainer"));

        Window *installer = program().existingWindow(WindowName::Form1);
        QVERIFY(installer && installer->IsLoaded());
        QVERIFY(!installer->IsVisible());
        QVERIFY(program().window(WindowName::frmAbout).IsLoaded());
        for (WindowName unloaded : {WindowName::Form2, WindowName::Form3, WindowName::Form4,
                                    WindowName::Form5})
            QVERIFY(!program().existingWindow(unloaded));
    }
};

QTEST_MAIN(tst_MDIForm1)
#include "tst_mdiform1.moc"
