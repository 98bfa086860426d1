#include "textbox.h"

#include <QRandomGenerator>
#include <QSignalSpy>
#include <QtTest>

// The text box keeps exactly the text that was typed and assigned.
class tst_TextBox : public QObject
{
    Q_OBJECT

private slots:
    void assignedTextComesBackUnchanged_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("shownLines");
        QTest::newRow("plain") << QStringLiteral("A brown fox.") << 1;
        QTest::newRow("line break") << QStringLiteral("one\r\ntwo") << 2;
        QTest::newRow("lone carriage return") << QStringLiteral("one\rtwo") << 1;
        QTest::newRow("lone line feed") << QStringLiteral("one\ntwo") << 1;
        QTest::newRow("line feed before carriage return") << QStringLiteral("a\n\rb") << 1;
        QTest::newRow("tab, delete and euro")
            << QStringLiteral("a\tb") + QChar(0x7F) + QChar(0x20AC) << 1;
        QTest::newRow("break at the end") << QStringLiteral("end\r\n") << 2;
        QTest::newRow("carriage return at the end") << QStringLiteral("end\r") << 1;
        QTest::newRow("markup") << QStringLiteral("<b>bold</b> &amp;") << 1;
    }
    void assignedTextComesBackUnchanged()
    {
        QFETCH(QString, text);
        QFETCH(int, shownLines);
        TextBox box;
        QSignalSpy changes(&box, &TextBox::Change);
        box.SetText(text);
        QCOMPARE(box.Text(), text);
        QCOMPARE(box.TextLength(), text.size());
        QVERIFY(box.TextEquals(text));
        QCOMPARE(box.document()->blockCount(), shownLines);
        QCOMPARE(changes.size(), 1);
        QCOMPARE(box.textCursor().position(), 0);
    }

    void appendingKeepsWhatIsShownAndPutsTheCaretFirst()
    {
        TextBox box;
        box.SetText(QStringLiteral("abc\r"));
        QSignalSpy changes(&box, &TextBox::Change);
        box.SetText(QStringLiteral("abc\r\n"));
        QCOMPARE(changes.size(), 1);
        QCOMPARE(box.Text(), QStringLiteral("abc\r\n"));
        QCOMPARE(box.textCursor().position(), 0);

        box.moveCursor(QTextCursor::End);
        QTest::keyClick(&box, Qt::Key_Backspace);
        QCOMPARE(box.Text(), QStringLiteral("abc\r"));
        QTest::keyClick(&box, Qt::Key_Backspace);
        QCOMPARE(box.Text(), QStringLiteral("abc"));
    }

    void enterTypesCarriageReturnAndLineFeed_data()
    {
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::newRow("Return") << Qt::Key_Return << Qt::KeyboardModifiers();
        QTest::newRow("Enter on the keypad")
            << Qt::Key_Enter << Qt::KeyboardModifiers(Qt::KeypadModifier);
        QTest::newRow("Shift+Return") << Qt::Key_Return << Qt::KeyboardModifiers(Qt::ShiftModifier);
    }
    void enterTypesCarriageReturnAndLineFeed()
    {
        QFETCH(Qt::Key, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        TextBox box;
        QTest::keyClicks(&box, QStringLiteral("ab"));
        QTest::keyClick(&box, key, modifiers);
        QTest::keyClicks(&box, QStringLiteral("c"));
        QCOMPARE(box.Text(), QStringLiteral("ab\r\nc"));
        QCOMPARE(box.TextLength(), 5);
        QTest::keyClick(&box, Qt::Key_Left);
        QTest::keyClick(&box, Qt::Key_Backspace);
        QCOMPARE(box.Text(), QStringLiteral("abc"));
    }

    void pastedLineBreaksAreOneBreakEach()
    {
        TextBox box;
        box.insertPlainText(QStringLiteral("a\r\nb\nc\rd"));
        QCOMPARE(box.Text(), QStringLiteral("a\r\nb\r\nc\r\nd"));
    }

    void lengthFollowsEveryEdit()
    {
        // Random pastes, deletions, undos and assignments: the count without
        // building the text must always agree with the text.
        TextBox box;
        QRandomGenerator random(7);
        const QString pieces[] = {QStringLiteral("word "), QStringLiteral("\r\n"),
                                  QStringLiteral("\n"),    QStringLiteral("\t"),
                                  QStringLiteral("\r"),    QString(QChar(0x2028))};
        for (int step = 0; step < 400; ++step) {
            switch (random.bounded(5)) {
            case 0:
                box.insertPlainText(pieces[random.bounded(6)]);
                break;
            case 1:
                QTest::keyClick(&box, random.bounded(2) ? Qt::Key_Backspace : Qt::Key_Delete);
                break;
            case 2:
                box.undo();
                break;
            case 3:
                box.SetText(box.Text() + QChar(char16_t(random.bounded(1, 129))));
                break;
            default: {
                QTextCursor cursor = box.textCursor();
                cursor.setPosition(random.bounded(box.document()->characterCount()));
                box.setTextCursor(cursor);
            }
            }
            QCOMPARE(box.TextLength(), box.Text().size());
        }
    }
};

QTEST_MAIN(tst_TextBox)
#include "tst_textbox.moc"
