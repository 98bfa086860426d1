#include "certificatetext.h"
#include "form4.h"
#include "label.h"
#include "mdiform1.h"
#include "testprogram.h"

#include <QTextLayout>
#include <QtTest>

using namespace Qt::StringLiterals;

// The certificate: asked-for name, its text, its one use per run, its design.
class tst_Form4 : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestProgram> m_test;

    MDIForm1 &frame() { return m_test->program->mainWindow(); }
    Form4 &certificate() { return m_test->program->window<Form4>(); }
    QMdiSubWindow *window() { return certificate().subWindow(); }
    Label *label(const char *name) { return control<Label>(certificate(), name); }

    // Chooses "Get certificate" as the score panel would have allowed it, answering the name box.
    void getCertificate(const QStringList &answers)
    {
        m_test->dialogs->answers = answers;
        frame().mnuCertificate.SetEnabled(true);
        frame().mnuCertificate_Click();
    }

private slots:
    void init() { m_test = programWith<Form4>(); }
    void cleanup() { m_test.reset(); }

    // Any name, Cancel's empty one included, shows as typed in a label that keeps its size.
    void textIsMadeOutToTheNameAsTyped_data()
    {
        QTest::addColumn<QStringList>("answers");
        QTest::newRow("abc") << QStringList{"abc"};
        QTest::newRow("cancel") << QStringList{};
        QTest::newRow("markup and ampersands") << QStringList{"<b>Ann</b> & Co"};
        QTest::newRow("many words") << QStringList{u"Anna Maria "_s.repeated(40)};
        QTest::newRow("one long word") << QStringList{QString(60, u'W')};
        QTest::newRow("huge paste") << QStringList{u"x\r\t<i>&"_s.repeated(5000)};
    }
    void textIsMadeOutToTheNameAsTyped()
    {
        QFETCH(QStringList, answers);
        getCertificate(answers);

        QCOMPARE(m_test->dialogs->questions, QStringList{"Please enter your name"});
        Label *text = label("Label2");
        const QString caption = certificateText(answers.value(0));
        QCOMPARE(text->Caption(), caption);
        QCOMPARE(text->textFormat(), Qt::PlainText);
        QCOMPARE(
            text->text(),
            certificateText(u"\u2068"_s + answers.value(0) + u"\u2069"_s).replace(u'\r', u'\n'));
        QVERIFY(!text->buddy());
        QCOMPARE(text->size(), QSize(433, 113));
        QCOMPARE(window()->widget()->size(), QSize(459, 501));
        QVERIFY(!text->grab().isNull()); // painting copes with it too
    }

    // Direction marks in a name end with the name: the certificate's own words keep their
    // order, while every character typed stays in the text.
    void directionMarksInTheNameEndWithIt_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("right-to-left override") << u"\u202Eevil"_s;
        QTest::newRow("embedding left open") << u"\u202Bx\u202Ay"_s;
        QTest::newRow("stray pop, then override") << u"Ann\u2069\u202Ex"_s;
        QTest::newRow("isolate left open") << u"\u2067\u05D0\u05D1"_s;
        QTest::newRow("right-to-left letters") << u"\u05D0\u05D1\u05D2"_s;
    }
    void directionMarksInTheNameEndWithIt()
    {
        QFETCH(QString, name);
        getCertificate({name});
        Label *text = label("Label2");
        QCOMPARE(text->Caption(), certificateText(name));
        const QString shown = text->text().section(u'\n', 0, 0);
        QVERIFY(shown.contains(name));

        QTextLayout layout(shown, text->font());
        layout.beginLayout();
        QTextLine line = layout.createLine();
        layout.endLayout();
        const auto x = [&](const char *word) {
            return line.cursorToX(shown.indexOf(QLatin1String(word)));
        };
        QVERIFY(x("Hereby") < x("is a"));
        QVERIFY(x("is a") < x("Thornax"));
        QVERIFY(x("Windows") < x("user."));
    }

    // Asked for the name before it shows its design; once per run: the item stays grey, also
    // after the certificate is closed.
    void oneCertificatePerRun()
    {
        frame().widget()->show();
        bool shownEarly = true;
        m_test->dialogs->whileOpen = [&] { shownEarly = window()->isVisible(); };
        getCertificate({"abc"});
        QVERIFY(!shownEarly);
        QVERIFY(window()->isVisible());
        QCOMPARE(certificate().Caption(), "Congratulations!");
        Label *title = label("Label1");
        QCOMPARE(title->Caption(), "ThorNax Certificate");
        QCOMPARE(title->font().family(), "Times New Roman");
        QVERIFY(title->font().bold() && title->font().italic());
        // Drawn in the window-text colour, like any label that is given none.
        QCOMPARE(label("Label3")->ForeColour(), qApp->palette().color(QPalette::WindowText));
        QCOMPARE(label("Label3")->Caption(),
                 u"Windows\u2122 is a registered trademark of Microsoft\u2122 Coporation"_s);
        QCOMPARE(control<QLabel>(certificate(), "Image1")->pixmap().deviceIndependentSize(),
                 QSizeF(256, 256));
        QVERIFY(!frame().mnuCertificate.Enabled());

        window()->close();
        QVERIFY(!certificate().isLoaded());
        QVERIFY(!frame().mnuCertificate.Enabled());
    }
};

QTEST_MAIN(tst_Form4)
#include "tst_form4.moc"
