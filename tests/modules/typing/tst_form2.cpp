#include "form2.h"
#include "label.h"
#include "mdiform1.h"
#include "shownpixels.h"
#include "testprogram.h"
#include "textbox.h"
#include "valuerules.h"

#include <QApplication>
#include <QGroupBox>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

namespace {

const QString Fox =
    QStringLiteral("A brown fox jumps over the river, which has been polluted by the acid rains.");
const QString Banana = QStringLiteral("A white man said that the yellow banana was rotten. The "
                                      "asian girl said, no it is not rotten!");
const QString Basket = QStringLiteral("A green basket on the green man had a green stick in his "
                                      "green hand and the green light said, May it be yellow!");
const QString Done = QStringLiteral("You have completed this module!");

} // namespace

// The typing drill: START, the one-second tick, the completion and its counters.
class tst_Form2 : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestProgram> m_test;
    Program &program() { return *m_test->program; }
    Form2 &form() { return program().window<Form2>(); }

    template<class T = QWidget> T *control(const char *name) { return ::control<T>(form(), name); }
    TextBox *box() { return control<TextBox>("Text1"); }
    QTimer *timer() { return control<QTimer>("startTimer"); }
    QString caption(const char *label) { return control<Label>(label)->Caption(); }
    bool noMessage() { return m_test->dialogs->messages.isEmpty(); }

    void setUpProgram(Boxes boxes = Boxes::Recorded) { m_test = programWith<Form2>(boxes); }
    void open() { program().mainWindow().mnuTyping_Click(); }
    void start(int sentence = 1)
    {
        m_test->random->queueDraw(sentence, 3);
        QTest::mouseClick(control<QPushButton>("Command1"), Qt::LeftButton);
    }
    // One tick of the drill's timer; a code appends that character.
    void tick(int appendedCode = 0)
    {
        if (appendedCode) {
            m_test->random->queueDraw(3, 5);
            m_test->random->queueDraw(appendedCode, 128);
        }
        QVERIFY(QMetaObject::invokeMethod(timer(), "timeout"));
    }
    // With the real boxes there is no record of the prompts.
    void verifyCompleted(const Variant &totalScore)
    {
        if (m_test->dialogs)
            QCOMPARE(m_test->dialogs->prompts(), QStringList{Done});
        QVERIFY(program().mainWindow().mnuTyping.Checked());
        QCOMPARE(program().record().TotalScore, totalScore);
        QVERIFY(!form().isLoaded());
    }

private slots:
    void init() { setUpProgram(); }
    void cleanup() { m_test.reset(); }

    // START turns the ready form into the drill with one of the three sentences.
    void startLeavesTheReadyState_data()
    {
        QTest::addColumn<int>("drawn");
        QTest::addColumn<QString>("sentence");
        QTest::newRow("1") << 1 << Fox;
        QTest::newRow("2") << 2 << Banana;
        QTest::newRow("3") << 3 << Basket;
    }
    void startLeavesTheReadyState()
    {
        QFETCH(int, drawn);
        QFETCH(QString, sentence);
        m_test->clock->seconds = 5000.25f;
        open();
        QCOMPARE(form().Caption(), QStringLiteral("Module 2: Typing"));
        QCOMPARE(control<QGroupBox>("Frame1")->title(),
                 QStringLiteral("Please retype the following text"));
        QCOMPARE(caption("Label1"),
                 QStringLiteral(
                     "Just try to retype the text shown in this frame in the textbox below."));
        QCOMPARE(caption("Label2"), QStringLiteral("Elapsed time:"));
        QCOMPARE(caption("Label4"), QStringLiteral("Chars / second:"));
        QCOMPARE(caption("Label3"), QStringLiteral("SCORE:"));
        auto *button = control<QPushButton>("Command1");
        QCOMPARE(button->text(), QStringLiteral("START"));
        QCOMPARE(button->toolTip(), QStringLiteral("Press this button to start the exercise!"));
        QCOMPARE(button->font().pointSizeF(), 14.25);
        QCOMPARE(control<Label>("Label3")->ForeColour(), QColor(255, 0, 0));
        // The score label lies under START, at the same corner.
        QCOMPARE(control("Label3")->pos(), button->pos());
        QCOMPARE(button->parentWidget()->childAt(button->geometry().center()), button);
        QVERIFY(!box()->isEnabled());
        QVERIFY(!timer()->isActive());
        QCOMPARE(timer()->interval(), 1000);

        start(drawn);
        QCOMPARE(caption("Label1"), sentence);
        QCOMPARE(m_test->random->seeds, QList<float>{5000.25f});
        QVERIFY(button->isHidden());
        QVERIFY(box()->isEnabled());
        QVERIFY(!box()->hasFocus());
        QVERIFY(timer()->isActive());
    }

    // The elapsed seconds, the speed and the score that a tick shows, up to the 16-bit limits.
    void speedAndScoreAtATick_data()
    {
        QTest::addColumn<int>("characters");
        QTest::addColumn<int>("tickNumber");
        QTest::addColumn<int>("speed");
        QTest::addColumn<int>("score");
        QTest::newRow("first tick, empty box") << 0 << 1 << 0 << 0;
        QTest::newRow("76 at 30") << 76 << 30 << 2 << 340;
        QTest::newRow("1000 at 100") << 1000 << 100 << 10 << 1000;
        QTest::newRow("500 at 200") << 500 << 200 << 2 << 0;
        QTest::newRow("250 at 201") << 250 << 201 << 1 << -1;
        QTest::newRow("200 at 201") << 200 << 201 << 0 << 0;
        QTest::newRow("165 at 1, beyond 16 bits") << 165 << 1 << 165 << 32767;
        QTest::newRow("65534 at 32767, beyond 16 bits") << 65534 << 32767 << 2 << -32768;
        QTest::newRow("a tick past 32767") << 0 << 32768 << 0 << 0;
    }
    void speedAndScoreAtATick()
    {
        QFETCH(int, characters);
        QFETCH(int, tickNumber);
        QFETCH(int, speed);
        QFETCH(int, score);
        open();
        start();
        form().TypingSeconds = qint16(qMin(tickNumber - 1, 32767));
        box()->insertPlainText(QString(characters, QLatin1Char('x')));
        tick();
        // The count of seconds stops at the end of its range.
        const int seconds = qMin(tickNumber, 32767);
        QCOMPARE(form().TypingSeconds, qint16(seconds));
        QCOMPARE(caption("Label2"), QStringLiteral("Elapsed time: %1 seconds").arg(seconds));
        QCOMPARE(caption("Label4"), QStringLiteral("Chars / second: %1").arg(speed));
        QCOMPARE(caption("Label3"), QStringLiteral("SCORE: %1").arg(score));
        QCOMPARE(form().TypingScore, qint16(score));
        QCOMPARE(box()->TextLength(), characters);

        // Each line is shown whole; the score's red ink is as wide as its text.
        for (const char *name : {"Label2", "Label4", "Label3"})
            QVERIFY2(showsWholeText(control<Label>(name)), name);
        auto *label = control<Label>("Label3");
        const QRect ink = inkBounds(label->parentWidget()->grab().toImage(), label->ForeColour());
        QVERIFY(ink.width() >= label->fontMetrics().boundingRect(label->text()).width() - 4);
    }

    void anExtraCharacterHoldsOffCompletionUntilDeleted_data()
    {
        QTest::addColumn<QKeyCombination>("extra");
        QTest::addColumn<int>("extraLength");
        QTest::newRow("trailing blank") << QKeyCombination(Qt::Key_Space) << 1;
        QTest::newRow("Enter") << QKeyCombination(Qt::Key_Return) << 2;
        QTest::newRow("Shift+Enter") << (Qt::ShiftModifier | Qt::Key_Return) << 2;
    }
    void anExtraCharacterHoldsOffCompletionUntilDeleted()
    {
        QFETCH(QKeyCombination, extra);
        QFETCH(int, extraLength);
        open();
        start();
        // The sentence with the extra after it, without ever holding the sentence alone.
        QTest::keyClicks(box(), Fox.chopped(1));
        QTest::keyClick(box(), extra.key(), extra.keyboardModifiers());
        QTest::keyClick(box(), Qt::Key_Left);
        QTest::keyClicks(box(), Fox.right(1));
        QCOMPARE(box()->TextLength(), Fox.size() + extraLength);
        QVERIFY(noMessage());
        QTest::keyClick(box(), Qt::Key_End, Qt::ControlModifier);
        QTest::keyClick(box(), Qt::Key_Backspace);
        verifyCompleted(Integer(0));
    }

    void aDifferentCaseHoldsOffCompletion()
    {
        open();
        start();
        QTest::keyClicks(box(), Fox.toLower());
        QTest::keyClick(box(), Qt::Key_Home, Qt::ControlModifier);
        QTest::keyClick(box(), Qt::Key_Delete);
        QVERIFY(noMessage());
        QTest::keyClicks(box(), QStringLiteral("A"));
        verifyCompleted(Integer(0));
    }

    void pastingTheSentenceCompletesBeforeTheFirstTickAndOnlyOnce()
    {
        open();
        start(2);
        box()->insertPlainText(Banana);
        verifyCompleted(Integer(0));
        QCOMPARE(form().TypingSeconds, qint16(0));
        open();
        QCOMPARE(m_test->dialogs->prompts(),
                 (QStringList{Done, QStringLiteral("You are already done with this module!")}));
        QVERIFY(!form().isLoaded());
    }

    // Every code the tick may append stands in the box as one character that can be deleted, and
    // one that is the missing last character completes the drill.
    void anAppendedCharacterComesBackOrCompletes_data()
    {
        QTest::addColumn<QString>("sentence");
        QTest::addColumn<int>("code");
        for (int code = 1; code <= 128; ++code)
            QTest::addRow("code %d%s", code, code == '.' ? ", the missing full stop" : "")
                << Fox << code;
        QTest::newRow("code 33, the missing exclamation mark") << Banana << 33;
    }
    void anAppendedCharacterComesBackOrCompletes()
    {
        QFETCH(QString, sentence);
        QFETCH(int, code);
        open();
        start(sentence == Fox ? 1 : 2);
        const QString typed = sentence.chopped(1);
        box()->insertPlainText(typed);
        tick();
        const qint16 previousScore = qint16(199 * typed.size());
        tick(code);
        if (CharOf(code) == sentence.right(1)) {
            verifyCompleted(Integer(previousScore));
            // The rest of the completing tick shows nothing and scores nothing.
            QCOMPARE(form().TypingScore, previousScore);
            QCOMPARE(form().TypingSeconds, qint16(2));
            return;
        }
        QCOMPARE(box()->Text(), typed + CharOf(code));
        QCOMPARE(box()->TextLength(), typed.size() + 1);
        QCOMPARE(box()->textCursor().position(), 0);
        QVERIFY(noMessage());
        QTest::keyClick(box(), Qt::Key_End, Qt::ControlModifier);
        QTest::keyClick(box(), Qt::Key_Backspace);
        QCOMPARE(box()->Text(), typed);
        QTest::keyClicks(box(), sentence.right(1));
        // The last tick counted the 75 typed characters, before it appended one.
        verifyCompleted(Integer(198 * 37));
    }

    void ticksWhileTheMessageIsOpenChangeWhatIsAdded()
    {
        open();
        start();
        tick();
        m_test->dialogs->whileOpen = [this] {
            tick('x');
            tick();
            // Even a text that matches again while the message is open completes nothing more.
            QString text = box()->Text();
            text.chop(1);
            box()->SetText(text);
        };
        box()->insertPlainText(Fox);
        // Two more ticks ran with the whole sentence, and then the appended x, in the box.
        QCOMPARE(form().TypingSeconds, qint16(3));
        verifyCompleted(Integer(197 * 25));
    }

    void completionAddsToTheRunningTotal()
    {
        program().record().TotalScore = Integer(135);
        open();
        start();
        box()->insertPlainText(QStringLiteral("ten chars!"));
        tick();
        box()->SetText(Fox);
        verifyCompleted(Integer(135 + 199 * 10));
    }

    void closingEarlyKeepsTheCounters()
    {
        open();
        start();
        box()->insertPlainText(QStringLiteral("ten chars!"));
        tick();
        tick();
        form().subWindow()->close();
        QVERIFY(!form().isLoaded());
        QVERIFY(noMessage());
        QCOMPARE(program().record().TotalScore, Integer(0));

        open();
        QVERIFY(!control("Command1")->isHidden());
        QVERIFY(!box()->isEnabled());
        QCOMPARE(form().TypingSeconds, qint16(2));
        QCOMPARE(form().TypingScore, qint16(198 * 5));
        // A completion before the new attempt's first tick adds the abandoned attempt's score.
        start(3);
        box()->insertPlainText(Basket);
        verifyCompleted(Integer(198 * 5));
    }

    void aMegabytePasteKeepsTypingQuick()
    {
        open();
        start();
        const QString line = Fox + QStringLiteral("\r\n");
        const QString megabyte = line.repeated(1024 * 1024 / line.size());
        QElapsedTimer clock;
        clock.start();
        box()->insertPlainText(megabyte);
        QTest::keyClicks(box(), QString(200, QLatin1Char('y')));
        tick('z');
        QVERIFY2(clock.elapsed() < 2000, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(box()->TextLength(), megabyte.size() + 201);
        QVERIFY(noMessage());
    }

    void oneCompletionWithTheRealMessageBoxAndTimer()
    {
        setUpProgram(Boxes::Real);
        open();
        start();
        timer()->setInterval(100);
        m_test->random->queueDraw(3, 5);
        m_test->random->queueDraw('x', 128);

        BoxAnswerer boxes(1000);
        box()->insertPlainText(Fox);

        QCOMPARE(boxes.boxes(), 1);
        QVERIFY(form().TypingSeconds >= 5);
        verifyCompleted(Integer(form().TypingScore));
        const qint16 seconds = form().TypingSeconds;
        QTest::qWait(300);
        QCOMPARE(form().TypingSeconds, seconds);
        QCOMPARE(boxes.boxes(), 1);
    }
};

QTEST_MAIN(tst_Form2)
#include "tst_form2.moc"
