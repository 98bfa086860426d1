#include "label.h"
#include "textdisplay.h"
#include "valuerules.h"

#include <QtTest>

namespace {

// Counts the paint and layout requests that reach a widget.
class EventCount : public QObject
{
public:
    int paints = 0;
    int layoutRequests = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        paints += event->type() == QEvent::Paint;
        layoutRequests += event->type() == QEvent::LayoutRequest;
        return false;
    }
};

} // namespace

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
        QCOMPARE(displayText(stored), shown);
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

    // The drills rewrite captions up to ten times a second: a new caption
    // repaints the label, but neither lays out nor repaints the window under it.
    void newCaptionTouchesLabelOnly()
    {
        QWidget window;
        window.resize(300, 120);
        auto *label = new Label(&window, QStringLiteral("Remaining time:28.9 seconds."));
        label->setGeometry(QRect(10, 10, 250, 20));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::qWait(20);

        EventCount onWindow;
        EventCount onLabel;
        window.installEventFilter(&onWindow);
        label->installEventFilter(&onLabel);
        label->SetCaption(QStringLiteral("Remaining time:28.8 seconds, and a longer line."));
        QTRY_VERIFY(onLabel.paints > 0);
        QCoreApplication::processEvents();
        QCOMPARE(onWindow.layoutRequests, 0);
        QCOMPARE(onWindow.paints, 0);
        QCOMPARE(label->size(), QSize(250, 20));

        // Placed again, it takes the new size.
        label->setGeometry(QRect(5, 5, 280, 40));
        QCOMPARE(label->geometry(), QRect(5, 5, 280, 40));
    }
};

QTEST_MAIN(tst_Label)
#include "tst_label.moc"
