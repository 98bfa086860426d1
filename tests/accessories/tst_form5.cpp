#include "form5.h"
#include "mdiform1.h"
#include "standinview.h"
#include "testprogram.h"

#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString &start = Form5::StartAddress;
const QString &NewView = StandInView::Made;
const QString Censored = QStringLiteral(
    "It seems as if that site is censored!\rWe will direct you to an uncensored site!");

} // namespace

// The browser window: its one start page, the censored answer to Enter, reopening.
class tst_Form5 : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestProgram> m_test;
    QStringList m_log; // what the stand-in views recorded

    Form5 &browser() { return m_test->program->window<Form5>(); }
    // Opens the browser from the menu, as a user does, and gives its address box.
    QLineEdit *open()
    {
        m_test->program->mainWindow().mnuBrowser_Click();
        return control<QLineEdit>(browser(), "Text1");
    }

private slots:
    void init()
    {
        m_test = programWith<Form5>();
        m_log.clear();
        browser().setWebViewFactory(standInViews(&m_log));
    }
    void cleanup() { m_test.reset(); }

    void opensTheStartPageOnlyWhenOpened()
    {
        // Plain http on the site's root (scheme and host), which is also the box's design text.
        QVERIFY(Form5::SiteRoot.contains(QRegularExpression(R"(^http://www\.[^/]+$)")));
        QCOMPARE(start,
                 Form5::SiteRoot + "/downloads/release.asp?releaseid=32210&area=top&ordinal=1");
        QWidget client;
        QCOMPARE(Form5Controls(&client).Text1->text(), Form5::SiteRoot);

        QLineEdit *box = open();
        QVERIFY(!browser().subWindow()->isHidden());
        QCOMPARE(browser().Caption(), QStringLiteral("Thornax Explorer"));

        // The box holds the start address; other keys only edit it; opening it while open only
        // brings it to the front.
        QTest::keyClicks(box, QStringLiteral("ab"));
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClick(box, Qt::Key_Escape);
        QCOMPARE(open()->text(), start + u'a');
        QCOMPARE(m_log, (QStringList{NewView, start}));

        // Closing and opening again makes a new view that navigates afresh.
        browser().subWindow()->close();
        QCOMPARE(open()->text(), start);
        QCOMPARE(m_log, (QStringList{NewView, start, NewView, start}));
        QVERIFY(m_test->dialogs->messages.isEmpty());
    }

    // The page has the focus when the window opens; Tab goes on to the address box.
    void viewFirstThenAddressBox()
    {
        QWidget *frame = m_test->program->mainWindow().widget();
        frame->show();
        QVERIFY(QTest::qWaitForWindowActive(frame));
        QLineEdit *box = open();
        QCOMPARE(QApplication::focusWidget(), browser().controls().WebBrowser1->widget());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), box);
        QTest::keyClick(box, Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), browser().controls().WebBrowser1->widget());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), box);
    }

    void enterWhateverTheBoxHoldsIsCensored_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("key");
        QTest::newRow("another address") << "http://example.org/" << int(Qt::Key_Return);
        QTest::newRow("keypad enter") << "example.org" << int(Qt::Key_Enter);
        QTest::newRow("empty box") << QString() << int(Qt::Key_Return);
        QTest::newRow("the start address") << start << int(Qt::Key_Return);
    }
    void enterWhateverTheBoxHoldsIsCensored()
    {
        QFETCH(QString, typed);
        QFETCH(int, key);
        QLineEdit *box = open();
        box->setText(typed);
        qsizetype navigationsWhileOpen = -1;
        m_test->dialogs->whileOpen = [&] { navigationsWhileOpen = m_log.size(); };

        QTest::keyClick(box, Qt::Key(key));
        QCOMPARE(m_test->dialogs->prompts(), QStringList{Censored});
        QCOMPARE(m_test->dialogs->messages[0].icon, MessageIcon::Error);
        QCOMPARE(navigationsWhileOpen, 2); // back to the start page only after the box
        QCOMPARE(m_log, (QStringList{NewView, start, start}));
        QCOMPARE(box->text(), start);
    }

    void missingOrBrokenModuleLeavesALineInTheViewsPlace_data()
    {
        QTest::addColumn<bool>("brokenFile");
        QTest::newRow("missing") << false;
        QTest::newRow("not a library") << true;
    }
    void missingOrBrokenModuleLeavesALineInTheViewsPlace()
    {
        QFETCH(bool, brokenFile);
        QTemporaryDir folder;
        if (brokenFile) {
            QFile file(folder.filePath(WebViewModule::fileName()));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write("not a module") > 0);
        }
        WebViewModule module({folder.path()});
        browser().setWebViewFactory(
            [&module](QWidget *parent) { return module.createView(parent); });

        QLineEdit *box = open();
        auto *line = browser().subWindow()->findChild<QLabel *>();
        QVERIFY(line && line->text().startsWith("The web view could not be loaded.\n"));
        QCOMPARE(box->text(), start);
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(m_test->dialogs->prompts(), QStringList{Censored});
    }
};

QTEST_MAIN(tst_Form5)
#include "tst_form5.moc"
