#include "form4.h"
#include "label.h"
#include "mdiform1.h"
#include "placeholderwindow.h"
#include "testprogram.h"

#include <QtTest>

namespace {

const QString Rest = QStringLiteral(
    " is a Thornax certificated Windows\u2122 user.\r"
    "He can, and will use the operating system with full effiency.\r"
    "He is also considered indeed suitable for all kinds of jobs, such as programmer, network "
    "technician, even a member of the Frostlan tech-Crew.");

} // namespace

// The certificate: asked-for name, its text, its one use per run, its design.
class tst_Form4 : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestProgram> m_test;

    Program &program() { return *m_test->program; }
    MDIForm1 &frame() { return program().mainWindow(); }
    Form4 &certificate() { return program().window<Form4>(); }
    Label *label(const char *name) { return certificate().subWindow()->findChild<Label *>(name); }

    // Chooses "Get certificate" as the score panel would have allowed it, answering the name box.
    void GetCertificate(const QStringList &answers)
    {
        m_test->dialogs->answers = answers;
        frame().mnuCertificate.SetEnabled(true);
        frame().mnuCertificate_Click();
    }

private slots:
    void init()
    {
        m_test = std::make_unique<TestProgram>();
        program().RegisterWindow(WindowName::Form4,
                                 [](Program &p) { return std::make_unique<Form4>(p); });
        RegisterPlaceholders(program());
        frame().Load();
    }
    void cleanup() { m_test.reset(); }

    void textIsMadeOutToTheNameAsTyped_data()
    {
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<QString>("first");
        QTest::newRow("abc") << QStringList{"abc"} << QStringLiteral("Hereby, abc");
        QTest::newRow("cancel") << QStringList{} << QStringLiteral("Hereby, ");
        QTest::newRow("markup and ampersands")
            << QStringList{"<b>Ann</b> & Co"} << QStringLiteral("Hereby, <b>Ann</b> & Co");
    }
    void textIsMadeOutToTheNameAsTyped()
    {
        QFETCH(QStringList, answers);
        QFETCH(QString, first);
        GetCertificate(answers);

        QCOMPARE(m_test->dialogs->questions, QStringList{"Please enter your name"});
        Label *text = label("Label2");
        QCOMPARE(text->Caption(), first + Rest);
        QCOMPARE(text->textFormat(), Qt::PlainText);
        QCOMPARE(text->text(), QString(first + Rest).replace(QLatin1Char('\r'), QLatin1Char('\n')));
        QVERIFY(!text->buddy());
    }

    void asksBeforeTheWindowShows()
    {
        frame().widget()->show();
        bool shownWhileAsking = true;
        m_test->dialogs->whileOpen = [&] {
            shownWhileAsking = certificate().subWindow()->isVisible();
        };
        GetCertificate({"abc"});
        QVERIFY(!shownWhileAsking);
        QVERIFY(certificate().subWindow()->isVisible());
        QCOMPARE(certificate().Caption(), QStringLiteral("Congratulations!"));
    }

    void itemGreysAfterOneUseForTheRestOfTheRun()
    {
        GetCertificate({"abc"});
        QVERIFY(!frame().mnuCertificate.Enabled());
        QVERIFY(!frame().mnuCertificate.action()->isEnabled());

        certificate().subWindow()->close();
        QVERIFY(!certificate().IsLoaded());
        QVERIFY(!frame().mnuCertificate.Enabled());
        QCOMPARE(m_test->dialogs->questions.size(), 1);
    }

    void longNameWrapsInsideTheLabel_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("many words") << QStringLiteral("Anna Maria ").repeated(40);
        QTest::newRow("one long word") << QString(60, QLatin1Char('W'));
        QTest::newRow("huge paste") << QStringLiteral("x\r\n\t<i>&").repeated(5000);
    }
    void longNameWrapsInsideTheLabel()
    {
        QFETCH(QString, name);
        GetCertificate({name});
        Label *text = label("Label2");
        QCOMPARE(text->size(), QSize(433, 113));
        QCOMPARE(certificate().subWindow()->widget()->size(), QSize(459, 501));

        QVERIFY(!text->grab().isNull()); // painting copes with it too
    }

    void titleAndTrademarkLine()
    {
        GetCertificate({"abc"});
        Label *title = label("Label1");
        QCOMPARE(title->Caption(), QStringLiteral("ThorNax Certificate"));
        QCOMPARE(title->font().family(), QStringLiteral("Times New Roman"));
        QVERIFY(title->font().bold() && title->font().italic());
        QCOMPARE(label("Label3")->Caption(),
                 QStringLiteral(
                     "Windows\u2122 is a registered trademark of Microsoft\u2122 Coporation"));
        QCOMPARE(certificate()
                     .subWindow()
                     ->findChild<QLabel *>("Image1")
                     ->pixmap()
                     .deviceIndependentSize(),
                 QSizeF(256, 256));
    }
};

QTEST_MAIN(tst_Form4)
#include "tst_form4.moc"
