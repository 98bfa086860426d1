#include "textbox.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QtTest>

using namespace Qt::StringLiterals;

// The text box keeps exactly the text that was typed and assigned.
class tst_TextBox : public QObject
{
    Q_OBJECT

private slots:
    void assignedTextComesBackUnchanged_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("shownLines");
        QTest::newRow("plain") << QString() << u"A brown fox."_s << 1;
        QTest::newRow("line break") << QString() << u"one\r\ntwo"_s << 2;
        QTest::newRow("lone carriage return") << QString() << u"one\rtwo"_s << 1;
        QTest::newRow("lone line feed") << QString() << u"one\ntwo"_s << 1;
        QTest::newRow("tab, delete and euro") << QString() << u"a\tb\x7f\u20ac"_s << 1;
        QTest::newRow("break at the end") << QString() << u"end\r\n"_s << 2;
        QTest::newRow("carriage return at the end") << QString() << u"end\r"_s << 1;
        // An appended line feed stays its own character after the carriage return.
        QTest::newRow("line feed appended") << u"abc\r"_s << u"abc\r\n"_s << 1;
        QTest::newRow("markup replacing a text") << u"a\r\nb"_s << u"<b>c</b> &amp;"_s << 1;
    }
    void assignedTextComesBackUnchanged()
    {
        QFETCH(QString, before);
        QFETCH(QString, text);
        QFETCH(int, shownLines);
        TextBox box;
        box.SetText(before);
        QSignalSpy changes(&box, &TextBox::Change);
        box.SetText(text);
        QCOMPARE(box.Text(), text);
        QCOMPARE(box.TextLength(), text.size());
        QVERIFY(box.textEquals(text));
        QCOMPARE(box.document()->blockCount(), shownLines);
        QCOMPARE(changes.size(), 1);
        QCOMPARE(box.textCursor().position(), 0);
        // Backspace at the end takes one character, or one whole line break.
        box.moveCursor(QTextCursor::End);
        QTest::keyClick(&box, Qt::Key_Backspace);
        QCOMPARE(box.Text(), text.chopped(shownLines == 2 && text.endsWith(u"\r\n") ? 2 : 1));
    }

    // Assigned, pasted or typed, a control character is one character of the text, shown as
    // its picture and taken by one Backspace; a pasted line break breaks the line.
    void controlCharactersShowAsTheirPictures_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");
        QTest::newRow("code 1 assigned") << "assign" << u"\x01"_s << u"\x01"_s << u"\u2401"_s;
        QTest::newRow("code 1 pasted") << "paste" << u"\x01"_s << u"\x01"_s << u"\u2401"_s;
        QTest::newRow("code 1 typed") << "type" << u"\x01"_s << u"\x01"_s << u"\u2401"_s;
        QTest::newRow("code 127 typed") << "type" << u"\x7f"_s << u"\x7f"_s << u"\u2421"_s;
        QTest::newRow("tab, escape, delete pasted")
            << "paste" << u"a\t\x1b\x7f"_s << u"a\t\x1b\x7f"_s << u"a\u2409\u241b\u2421"_s;
        QTest::newRow("line breaks pasted")
            << "paste" << u"a\rb\nc\r\nd"_s << u"a\r\nb\r\nc\r\nd"_s << u"a\nb\nc\nd"_s;
    }
    void controlCharactersShowAsTheirPictures()
    {
        QFETCH(QString, how);
        QFETCH(QString, input);
        QFETCH(QString, text);
        QFETCH(QString, shown);
        TextBox box;
        if (how == u"assign"_s) {
            box.SetText(input);
        } else if (how == u"paste"_s) {
            QGuiApplication::clipboard()->setText(input);
            QTest::keySequence(&box, QKeySequence::Paste);
        } else {
            QTest::sendKeyEvent(QTest::Click, &box, Qt::Key_unknown, input, Qt::NoModifier);
        }
        QCOMPARE(box.Text(), text);
        QCOMPARE(box.toPlainText(), shown);
        box.moveCursor(QTextCursor::End);
        QTest::keyClick(&box, Qt::Key_Backspace);
        QCOMPARE(box.Text(), text.chopped(1));
    }

    void everyLineBreakTypedOrPastedIsCarriageReturnAndLineFeed()
    {
        TextBox box;
        QTest::keyClicks(&box, u"a"_s);
        QTest::keyClick(&box, Qt::Key_Return);
        QTest::keyClicks(&box, u"b"_s);
        QTest::keyClick(&box, Qt::Key_Enter, Qt::KeypadModifier);
        QTest::keyClicks(&box, u"c"_s);
        QTest::keyClick(&box, Qt::Key_Return, Qt::ShiftModifier);
        box.insertPlainText(u"d\r\ne\nf\rg"_s);
        QCOMPARE(box.Text(), u"a\r\nb\r\nc\r\nd\r\ne\r\nf\r\ng"_s);
        // One Backspace deletes a whole line break.
        QTest::keyClick(&box, Qt::Key_Left);
        QTest::keyClick(&box, Qt::Key_Backspace);
        QCOMPARE(box.Text(), u"a\r\nb\r\nc\r\nd\r\ne\r\nfg"_s);
    }

    void lengthFollowsEveryEdit()
    {
        TextBox box;
        // Random keys, pastes and appends: the count without building the
        // text must always agree with the text.
        QRandomGenerator random(7);
        const QString pieces = u"word \r\n\t\r"_s + QChar(0x2028);
        const QKeySequence keys[] = {Qt::Key_Backspace, Qt::Key_Delete, QKeySequence::Undo,
                                     Qt::Key_Left,      Qt::Key_Right,  Qt::Key_Up};
        for (int step = 0; step < 400; ++step) {
            if (const int action = random.bounded(8); action < 6)
                QTest::keySequence(&box, keys[action]);
            else if (action == 6)
                box.insertPlainText(pieces.mid(random.bounded(pieces.size()), 3));
            else
                box.SetText(box.Text() + QChar(char16_t(random.bounded(1, 129))));
            QCOMPARE(box.TextLength(), box.Text().size());
        }
    }
};

QTEST_MAIN(tst_TextBox)
#include "tst_textbox.moc"
