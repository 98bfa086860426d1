#include "form5.h"
#include "mdiform1.h"
#include "placeholderwindow.h"
#include "testprogram.h"

#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// A view that only records where it was sent; the record outlives the view.
struct Navigations
{
    QStringList addresses;
    int views = 0;
};

class FakeView : public QWidget, public WebView
{
public:
    FakeView(QWidget *parent, Navigations &log) : QWidget(parent), m_log(log) { ++m_log.views; }
    QWidget *widget() override { return this; }
    void Navigate(const QString &address) override { m_log.addresses.append(address); }

private:
    Navigations &m_log;
};

const QString Censored = QStringLiteral(
    "It seems as if that site is censored!\rWe will direct you to an uncensored site!");

} // namespace

// The browser window: its one start page, the censored answer to Enter, reopening.
class tst_Form5 : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestProgram> m_test;
    Navigations m_log;

    Program &program() { return *m_test->program; }
    Form5 &browser() { return program().window<Form5>(); }
    QLineEdit *addressBox() { return browser().subWindow()->findChild<QLineEdit *>("Text1"); }

private slots:
    void init()
    {
        m_test = std::make_unique<TestProgram>();
        m_log = {};
        program().RegisterWindow(WindowName::Form5,
                                 [](Program &p) { return std::make_unique<Form5>(p); });
        RegisterPlaceholders(program());
        program().mainWindow().Load();
        browser().SetWebViewFactory(
            [this](QWidget *parent) { return new FakeView(parent, m_log); });
    }
    void cleanup() { m_test.reset(); }

    void startAddressIsThePlainWebDownloadPageOfTheSiteRoot()
    {
        const QUrl root(Form5::SiteRoot);
        QCOMPARE(root.scheme(), QStringLiteral("http"));
        QVERIFY(root.host().startsWith(QStringLiteral("www.")));
        QCOMPARE(root.path(), QStringLiteral("/"));
        QCOMPARE(Form5::StartAddress,
                 Form5::SiteRoot + "downloads/release.asp?releaseid=32210&area=top&ordinal=1");

        QWidget client;
        QCOMPARE(Form5Controls(&client).Text1->text(), Form5::SiteRoot);
    }

    void opensOnTheStartAddress()
    {
        program().mainWindow().mnuBrowser_Click();
        QVERIFY(!browser().subWindow()->isHidden());
        QCOMPARE(browser().Caption(), QStringLiteral("Thornax Explorer"));
        QCOMPARE(addressBox()->text(), Form5::StartAddress);
        QCOMPARE(m_log.addresses, QStringList{Form5::StartAddress});
        QVERIFY(m_test->dialogs->messages.isEmpty());
    }

    void enterWhateverTheBoxHoldsIsCensored_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("key");
        QTest::newRow("another address")
            << QStringLiteral("http://example.org/") << int(Qt::Key_Return);
        QTest::newRow("keypad enter") << QStringLiteral("example.org") << int(Qt::Key_Enter);
        QTest::newRow("empty box") << QString() << int(Qt::Key_Return);
        QTest::newRow("the start address") << Form5::StartAddress << int(Qt::Key_Return);
        QTest::newRow("file address")
            << QStringLiteral("file:///etc/passwd") << int(Qt::Key_Return);
        QTest::newRow("long paste") << QString(30000, QLatin1Char('w')) << int(Qt::Key_Return);
    }
    void enterWhateverTheBoxHoldsIsCensored()
    {
        QFETCH(QString, typed);
        QFETCH(int, key);
        program().mainWindow().mnuBrowser_Click();
        QLineEdit *box = addressBox();
        box->setText(typed);
        qsizetype navigationsWhileOpen = -1;
        m_test->dialogs->whileOpen = [&] { navigationsWhileOpen = m_log.addresses.size(); };

        QTest::keyClick(box, Qt::Key(key));

        QCOMPARE(m_test->dialogs->messages.size(), 1);
        QCOMPARE(m_test->dialogs->messages[0].prompt, Censored);
        QCOMPARE(m_test->dialogs->messages[0].icon, MessageIcon::Error);
        QCOMPARE(navigationsWhileOpen, 1); // back to the start page only after the box
        QCOMPARE(m_log.addresses, QStringList(2, Form5::StartAddress));
        QCOMPARE(box->text(), Form5::StartAddress);
    }

    void otherKeysOnlyEdit()
    {
        program().mainWindow().mnuBrowser_Click();
        QLineEdit *box = addressBox();
        box->clear();
        QTest::keyClicks(box, QStringLiteral("abc.example"));
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClick(box, Qt::Key_Escape);

        QCOMPARE(box->text(), QStringLiteral("abc.exampl"));
        QCOMPARE(m_log.addresses.size(), 1);
        QVERIFY(m_test->dialogs->messages.isEmpty());
    }

    void openingWhileOpenOnlyFrontsAndReopeningNavigatesAfresh()
    {
        MDIForm1 &frame = program().mainWindow();
        frame.mnuBrowser_Click();
        addressBox()->setText(QStringLiteral("typed"));
        frame.mnuBrowser_Click();
        QCOMPARE(addressBox()->text(), QStringLiteral("typed"));
        QCOMPARE(m_log.addresses.size(), 1);
        QCOMPARE(m_log.views, 1);

        browser().subWindow()->close();
        QVERIFY(!browser().IsLoaded());
        frame.mnuBrowser_Click();
        QCOMPARE(addressBox()->text(), Form5::StartAddress);
        QCOMPARE(m_log.addresses, QStringList(2, Form5::StartAddress));
        QCOMPARE(m_log.views, 2);
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
            QFile file(folder.filePath(WebViewModule::FileName()));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("not a module");
        }
        WebViewModule module({folder.path()});
        browser().SetWebViewFactory(
            [&module](QWidget *parent) { return module.CreateView(parent); });

        program().mainWindow().mnuBrowser_Click();
        auto *line = browser().subWindow()->findChild<QLabel *>();
        QVERIFY(line);
        QVERIFY(line->text().startsWith(QStringLiteral("The web view could not be loaded.\n")));
        QCOMPARE(addressBox()->text(), Form5::StartAddress);

        QTest::keyClick(addressBox(), Qt::Key_Return);
        QCOMPARE(m_test->dialogs->prompts(), QStringList{Censored});
        QCOMPARE(addressBox()->text(), Form5::StartAddress);
    }
};

QTEST_MAIN(tst_Form5)
#include "tst_form5.moc"
