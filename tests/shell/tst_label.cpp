#include "label.h"
#include "textdisplay.h"
#include "valuerules.h"

#include <QtTest>

// Captions are plain text, and a carriage return alone starts a new line.
class tst_Label : public QObject
{
    Q_OBJECT

private slots:
    void lineBreaks_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("shown");
        QTest::newRow("lone CR") << "a\rb\r"
                                 << "a\nb\n";
        QTest::newRow("CR LF") << "a\r\nb"
                               << "a\nb";
        QTest::newRow("LF") << "a\nb"
                            << "a\nb";
        QTest::newRow("none") << "ab"
                              << "ab";
    }
    void lineBreaks()
    {
        QFETCH(QString, stored);
        QFETCH(QString, shown);
        QCOMPARE(DisplayText(stored), shown);
        Label label;
        label.SetCaption(stored);
        QCOMPARE(label.Caption(), stored);
        QCOMPARE(label.text(), shown);
    }

    void markupStaysText()
    {
        Label label;
        label.SetCaption(QStringLiteral("Hereby, <b>Ann</b> & Co"));
        QCOMPARE(label.textFormat(), Qt::PlainText);
        QCOMPARE(label.Caption(), QStringLiteral("Hereby, <b>Ann</b> & Co"));
    }

    void foreColour()
    {
        Label label;
        label.SetForeColour(Qt::green);
        QCOMPARE(label.ForeColour(), QColor(Qt::green));
    }
};

QTEST_MAIN(tst_Label)
#include "tst_label.moc"
