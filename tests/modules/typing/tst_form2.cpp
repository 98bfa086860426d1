#include "form2.h"
#include "label.h"
#include "mdiform1.h"
#include "placeholderwindow.h"
#include "testprogram.h"
#include "textbox.h"
#include "valuerules.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QSet>
#include <QTimer>
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

    template<class T = QWidget> T *control(const char *name)
    {
        QMdiSubWindow *window = form().subWindow();
        T *found = window ? window->findChild<T *>(QLatin1String(name)) : nullptr;
        if (!found)
            qFatal("Form2 has no control %s", name);
        return found;
    }
    TextBox *box() { return control<TextBox>("Text1"); }
    QString caption(const char *label) { return control<Label>(label)->Caption(); }

    void setUpProgram(std::unique_ptr<TestProgram> test)
    {
        m_test = std::move(test);
        program().RegisterWindow(Form2::Name,
                                 [](Program &p) { return std::make_unique<Form2>(p); });
        RegisterPlaceholders(program());
        program().mainWindow().Load();
    }
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
        QVERIFY(QMetaObject::invokeMethod(control<QTimer>("startTimer"), "timeout"));
    }
    void verifyCompleted(const Variant &totalScore)
    {
        QCOMPARE(m_test->dialogs->prompts(), QStringList{Done});
        QVERIFY(program().mainWindow().mnuTyping.Checked());
        QCOMPARE(program().record().TotalScore, totalScore);
        QVERIFY(!form().IsLoaded());
    }

private slots:
    void init() { setUpProgram(std::make_unique<TestProgram>()); }
    void cleanup() { m_test.reset(); }

    void readyStateBeforeStart()
    {
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
        QTest::keyClicks(box(), Fox);
        QCOMPARE(box()->Text(), QString());
        QVERIFY(!control<QTimer>("startTimer")->isActive());
        QCOMPARE(control<QTimer>("startTimer")->interval(), 1000);
    }

    void startDrawsOneOfThreeSentences_data()
    {
        QTest::addColumn<int>("drawn");
        QTest::addColumn<QString>("sentence");
        QTest::addColumn<int>("length");
        QTest::newRow("1") << 1 << Fox << 76;
        QTest::newRow("2") << 2 << Banana << 93;
        QTest::newRow("3") << 3 << Basket << 111;
    }
    void startDrawsOneOfThreeSentences()
    {
        QFETCH(int, drawn);
        QFETCH(QString, sentence);
        QFETCH(int, length);
        m_test->clock->seconds = 5000.25f;
        open();
        start(drawn);
        QCOMPARE(caption("Label1"), sentence);
        QCOMPARE(sentence.size(), length);
        QCOMPARE(m_test->random->seeds, QList<float>{5000.25f});
        QVERIFY(control("Command1")->isHidden());
        QVERIFY(box()->isEnabled());
        QVERIFY(!box()->hasFocus());
        QVERIFY(control<QTimer>("startTimer")->isActive());
    }

    void firstTickWithAnEmptyBox()
    {
        open();
        start();
        tick();
        QCOMPARE(caption("Label2"), QStringLiteral("Elapsed time: 1 seconds"));
        QCOMPARE(caption("Label4"), QStringLiteral("Chars / second: 0"));
        QCOMPARE(caption("Label3"), QStringLiteral("SCORE: 0"));
        QCOMPARE(box()->Text(), QString());
    }

    void speedAndScoreAtATick_data()
    {
        QTest::addColumn<int>("characters");
        QTest::addColumn<int>("tickNumber");
        QTest::addColumn<QString>("speed");
        QTest::addColumn<QString>("score");
        QTest::newRow("76 at 30") << 76 << 30 << QStringLiteral("Chars / second: 2")
                                  << QStringLiteral("SCORE: 340");
        QTest::newRow("500 at 200")
            << 500 << 200 << QStringLiteral("Chars / second: 2") << QStringLiteral("SCORE: 0");
        QTest::newRow("250 at 201")
            << 250 << 201 << QStringLiteral("Chars / second: 1") << QStringLiteral("SCORE: -1");
        QTest::newRow("200 at 201")
            << 200 << 201 << QStringLiteral("Chars / second: 0") << QStringLiteral("SCORE: 0");
        QTest::newRow("165 at 1, beyond 16 bits")
            << 165 << 1 << QStringLiteral("Chars / second: 165") << QStringLiteral("SCORE: 32767");
        QTest::newRow("65534 at 32767, beyond 16 bits")
            << 65534 << 32767 << QStringLiteral("Chars / second: 2")
            << QStringLiteral("SCORE: -32768");
    }
    void speedAndScoreAtATick()
    {
        QFETCH(int, characters);
        QFETCH(int, tickNumber);
        QFETCH(QString, speed);
        QFETCH(QString, score);
        open();
        start();
        form().TypingSeconds = qint16(tickNumber - 1);
        box()->insertPlainText(QString(characters, QLatin1Char('x')));
        tick();
        QCOMPARE(caption("Label2"), QStringLiteral("Elapsed time: %1 seconds").arg(tickNumber));
        QCOMPARE(caption("Label4"), speed);
        QCOMPARE(caption("Label3"), score);
        QCOMPARE(QStringLiteral("SCORE: ") + QString::number(form().TypingScore), score);
    }

    void elapsedTimeStopsAtTheEndOfItsRange()
    {
        open();
        start();
        form().TypingSeconds = 32766;
        tick();
        tick();
        QCOMPARE(form().TypingSeconds, qint16(32767));
        QCOMPARE(caption("Label2"), QStringLiteral("Elapsed time: 32767 seconds"));
        QCOMPARE(caption("Label3"), QStringLiteral("SCORE: 0"));
    }

    void anExtraCharacterHoldsOffCompletionUntilDeleted_data()
    {
        QTest::addColumn<Qt::Key>("extraKey");
        QTest::addColumn<int>("extraLength");
        QTest::newRow("trailing blank") << Qt::Key_Space << 1;
        QTest::newRow("Enter") << Qt::Key_Return << 2;
        QTest::newRow("Shift+Enter") << Qt::Key_Return << 2;
    }
    void anExtraCharacterHoldsOffCompletionUntilDeleted()
    {
        QFETCH(Qt::Key, extraKey);
        QFETCH(int, extraLength);
        const Qt::KeyboardModifiers modifiers =
            QByteArray(QTest::currentDataTag()).startsWith("Shift") ? Qt::ShiftModifier
                                                                    : Qt::NoModifier;
        open();
        start();
        // The sentence with the extra after it, without ever holding the sentence alone.
        QTest::keyClicks(box(), Fox.chopped(1));
        QTest::keyClick(box(), extraKey, modifiers);
        QTest::keyClick(box(), Qt::Key_Left);
        QTest::keyClicks(box(), Fox.right(1));
        QCOMPARE(box()->TextLength(), Fox.size() + extraLength);
        QVERIFY(m_test->dialogs->messages.isEmpty());

        QTest::keyClick(box(), Qt::Key_End, Qt::ControlModifier);
        QTest::keyClick(box(), Qt::Key_Backspace);
        verifyCompleted(Integer(0));
    }

    void aDifferentCaseHoldsOffCompletion()
    {
        open();
        start();
        QTest::keyClicks(box(), Fox.toLower());
        QVERIFY(m_test->dialogs->messages.isEmpty());
        QTest::keyClick(box(), Qt::Key_Home, Qt::ControlModifier);
        QTest::keyClick(box(), Qt::Key_Delete);
        QVERIFY(m_test->dialogs->messages.isEmpty());
        QTest::keyClicks(box(), QStringLiteral("A"));
        verifyCompleted(Integer(0));
    }

    void pastingTheSentenceCompletesBeforeTheFirstTick()
    {
        open();
        start(2);
        box()->insertPlainText(Banana);
        verifyCompleted(Integer(0));
        QCOMPARE(form().TypingSeconds, qint16(0));
    }

    void anAppendedCharacterCanBeTheMissingLastOne_data()
    {
        QTest::addColumn<int>("drawn");
        QTest::addColumn<QString>("sentence");
        QTest::addColumn<int>("code");
        QTest::newRow("full stop") << 1 << Fox << 46;
        QTest::newRow("exclamation mark") << 2 << Banana << 33;
    }
    void anAppendedCharacterCanBeTheMissingLastOne()
    {
        QFETCH(int, drawn);
        QFETCH(QString, sentence);
        QFETCH(int, code);
        open();
        start(drawn);
        QTest::keyClicks(box(), sentence.chopped(1));
        tick();
        const qint16 previousScore = form().TypingScore;
        QCOMPARE(previousScore, qint16(199 * (sentence.size() - 1)));
        tick(code);
        verifyCompleted(Integer(previousScore));
        // The rest of the completing tick shows nothing and scores nothing.
        QCOMPARE(form().TypingScore, previousScore);
        QCOMPARE(form().TypingSeconds, qint16(2));
    }

    void everyAppendedCodeComesBackAndCanBeDeleted_data()
    {
        QTest::addColumn<int>("code");
        for (int code = 1; code <= 128; ++code)
            QTest::addRow("code %d", code) << code;
    }
    void everyAppendedCodeComesBackAndCanBeDeleted()
    {
        QFETCH(int, code);
        open();
        start();
        const QString typed = Fox.chopped(1);
        box()->insertPlainText(typed);
        tick(code);
        if (CharOf(code) == Fox.right(1)) {
            verifyCompleted(Integer(0));
            return;
        }
        QCOMPARE(box()->Text(), typed + CharOf(code));
        QCOMPARE(box()->TextLength(), typed.size() + 1);
        QCOMPARE(box()->textCursor().position(), 0);
        QVERIFY(m_test->dialogs->messages.isEmpty());

        QTest::keyClick(box(), Qt::Key_End, Qt::ControlModifier);
        QTest::keyClick(box(), Qt::Key_Backspace);
        QCOMPARE(box()->Text(), typed);
        QTest::keyClicks(box(), Fox.right(1));
        verifyCompleted(Integer(199 * typed.size()));
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
        QCOMPARE(form().TypingScore, qint16(197 * 25));
        verifyCompleted(Integer(197 * 25));
    }

    void closingEarlyKeepsTheCounters()
    {
        open();
        start();
        box()->insertPlainText(QStringLiteral("ten chars!"));
        tick();
        tick();
        form().subWindow()->close();
        QVERIFY(!form().IsLoaded());
        QVERIFY(m_test->dialogs->messages.isEmpty());
        QCOMPARE(program().record().TotalScore, Integer(0));

        open();
        QCOMPARE(caption("Label2"), QStringLiteral("Elapsed time:"));
        QCOMPARE(caption("Label3"), QStringLiteral("SCORE:"));
        QVERIFY(!control("Command1")->isHidden());
        QVERIFY(!box()->isEnabled());
        QCOMPARE(box()->Text(), QString());
        QCOMPARE(form().TypingScore, qint16(198 * 5));

        // A completion before the new attempt's first tick adds the abandoned attempt's score.
        start(3);
        tick();
        QCOMPARE(caption("Label2"), QStringLiteral("Elapsed time: 3 seconds"));
        form().TypingScore = qint16(198 * 5);
        box()->insertPlainText(Basket);
        verifyCompleted(Integer(198 * 5));
    }

    void aCompletedDrillCannotBeOpenedAgain()
    {
        open();
        start();
        box()->insertPlainText(Fox);
        open();
        QCOMPARE(m_test->dialogs->prompts(),
                 (QStringList{Done, QStringLiteral("You are already done with this module!")}));
        QVERIFY(!form().IsLoaded());
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
        QVERIFY(m_test->dialogs->messages.isEmpty());
    }

    void oneCompletionWithTheRealMessageBoxAndTimer()
    {
        setUpProgram(TestProgram::WithRealDialogs());
        open();
        start();
        control<QTimer>("startTimer")->setInterval(100);
        m_test->random->queueDraw(3, 5);
        m_test->random->queueDraw('x', 128);

        QSet<QWidget *> boxes;
        QTimer watch;
        connect(&watch, &QTimer::timeout, [&boxes] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
                boxes.insert(box);
        });
        watch.start(10);
        CloseModalBoxAfter(1000);
        box()->insertPlainText(Fox);

        QCOMPARE(boxes.size(), 1);
        QVERIFY(form().TypingSeconds >= 5);
        QVERIFY(program().mainWindow().mnuTyping.Checked());
        QCOMPARE(program().record().TotalScore, Integer(form().TypingScore));
        QVERIFY(!form().IsLoaded());
        const qint16 seconds = form().TypingSeconds;
        QTest::qWait(300);
        QCOMPARE(form().TypingSeconds, seconds);
        QCOMPARE(boxes.size(), 1);
    }
};

QTEST_MAIN(tst_Form2)
#include "tst_form2.moc"
