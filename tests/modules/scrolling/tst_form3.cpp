#include "form3.h"
#include "label.h"
#include "mdiform1.h"
#include "testprogram.h"
#include "valuerules.h"

#include <QApplication>
#include <QGroupBox>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <QTimer>
#include <QtTest>

#include <array>
#include <utility>

// Where a part of the bar (arrow, trough, thumb) is drawn.
static QRect partOf(QScrollBar *bar, QStyle::SubControl part)
{
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.orientation = bar->orientation();
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = bar->sliderPosition();
    option.pageStep = bar->pageStep();
    return bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, part, bar);
}

// The scrolling drill: START, the drift, the colouring, completion and its score.
class tst_Form3 : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestProgram> m_test;
    Program &program() { return *m_test->program; }
    Form3 &form() { return program().window<Form3>(); }
    Form3Controls &ui() { return form().controls(); }
    Variant total() { return program().record().TotalScore; }

    void startProgram(Boxes boxes = Boxes::Recorded)
    {
        m_test = programWith<Form3>(boxes);
        program().start();
    }

    void open() { program().mainWindow().Scroll_Click(); }

    void start(int target, std::array<int, 4> values)
    {
        m_test->random->queueDraw(target, 10);
        for (int value : values)
            m_test->random->queueDraw(value, 10);
        QTest::mouseClick(ui().Command1, Qt::LeftButton);
    }

    // Queues the two draws that make one drift of 0, -1 or -2.
    void queueDrift(int drift)
    {
        m_test->random->queueDraw(drift == 0 ? 1 : -drift, 2);
        m_test->random->queueDraw(drift == 0 ? 1 : 2, 2);
    }

    void tick(int times = 1)
    {
        for (int i = 0; i < times; ++i)
            QVERIFY(QMetaObject::invokeMethod(ui().Timer1, "timeout"));
    }

    // Each value label's caption, with " green" while it is green; any colour
    // but green and black is named.
    QStringList shown()
    {
        QStringList result;
        for (const Label *label : ui().valueLabels()) {
            const QColor colour = label->ForeColour();
            const QString name = colour == Qt::black ? "" : " " + colour.name();
            result.append(label->Caption() + (colour == QColor(0, 180, 0) ? " green" : name));
        }
        return result;
    }

    // The score added, the menu item checked and the window gone.
    void verifyCompleted(int score)
    {
        QCOMPARE(total(), Integer(score));
        QVERIFY(program().mainWindow().Scroll.Checked());
        QVERIFY(!form().isLoaded());
    }

private slots:
    void init() { startProgram(); }
    void cleanup() { m_test.reset(); }

    // A drill from opening to an early close and back: the ready window, START,
    // a tick's drift and the user's keys with the colours after each; reopened,
    // it is a new drill while the ticks go on counting into the score.
    void drillClosedEarlyAndReopened()
    {
        const auto verifyReady = [this](int ticks) {
            QVERIFY(form().isVisible());
            QCOMPARE(form().Caption(), QStringLiteral("Module 3: Scroll"));
            QCOMPARE(ui().Command1->text(), QStringLiteral("START"));
            QVERIFY(ui().Command1->isVisible());
            QCOMPARE(ui().Frame1->title(), QStringLiteral("Magic number"));
            // The empty captions match the empty target.
            QCOMPARE(shown(), QStringList(4, " green"));
            for (QScrollBar *bar : ui().bars())
                QVERIFY(!bar->isEnabled() && bar->value() == 0);
            QVERIFY(!ui().Timer1->isActive());
            QCOMPARE(form().scrollTicks(), ticks);
        };
        open();
        verifyReady(0);

        m_test->clock->seconds = 3600.5f;
        start(4, {5, 10, 4, 1});
        QCOMPARE(m_test->random->seeds, QList<float>{3600.5f});
        QCOMPARE(shown(), (QStringList{"5", "10", "4 green", "1"}));
        QVERIFY(!ui().Command1->isVisible());
        QVERIFY(ui().Timer1->isActive());
        QCOMPARE(ui().Timer1->interval(), 1000);

        // Each bar draws its own drift, though the clock stands still.
        for (int drift : {-1, -2, -1, 0})
            queueDrift(drift);
        tick();
        QCOMPARE(shown(), (QStringList{"4 green", "8", "3", "1"}));
        QTest::keyClick(ui().VScroll3, Qt::Key_Down);
        QTest::keyClick(ui().VScroll4, Qt::Key_PageDown);
        QCOMPARE(shown(), (QStringList{"4 green", "8", "4 green", "2"}));

        tick(2);
        form().subWindow()->close();
        QVERIFY(!form().isLoaded());
        QVERIFY(!program().mainWindow().Scroll.Checked());
        QCOMPARE(total(), Integer(0));
        open();
        verifyReady(3);
        start(8, {8, 8, 8, 8});
        tick();
        QCOMPARE(total(), Integer(497));
    }

    // All four bars drift by the same amount; a drift that would leave 1..10
    // is not made.
    void driftAtTheEdges_data()
    {
        QTest::addColumn<int>("drift");
        QTest::addColumn<QList<int>>("from");
        QTest::addColumn<QStringList>("to");
        QTest::newRow("-1") << -1 << QList<int>{1, 2, 0, 10} << QStringList{"1", "1", "0", "9"};
        QTest::newRow("-2") << -2 << QList<int>{1, 2, 0, 10} << QStringList{"1", "2", "0", "8"};
        QTest::newRow("0") << 0 << QList<int>{0, 5, 1, 10} << QStringList{"0", "5", "1", "10"};
    }
    void driftAtTheEdges()
    {
        QFETCH(int, drift);
        QFETCH(QList<int>, from);
        QFETCH(QStringList, to);
        open();
        start(4, {3, 3, 3, 3});
        for (int i = 0; i < 4; ++i) {
            ui().bars()[i]->setValue(from[i]);
            queueDrift(drift);
        }
        tick();
        QCOMPARE(shown(), to);
    }

    // The mouse and the wheel move a bar one step, downwards as the value grows
    // (the keys are tried in the drill above); a dragged thumb counts once let go.
    void mouseAndWheelMoveTheBars()
    {
        open();
        start(8, {5, 5, 5, 5});
        for (QScrollBar *bar : ui().bars())
            QVERIFY((bar->focusPolicy() & Qt::StrongFocus) == Qt::StrongFocus);
        const auto [byArrow, byTrough, byWheel, byThumb] = ui().bars();
        QTest::mouseClick(byArrow, Qt::LeftButton, {},
                          partOf(byArrow, QStyle::SC_ScrollBarAddLine).center());
        QRect thumb = partOf(byTrough, QStyle::SC_ScrollBarSlider);
        QTest::mouseClick(byTrough, Qt::LeftButton, {}, {thumb.center().x(), thumb.bottom() + 4});
        const QPointF middle = byWheel->rect().center();
        QWheelEvent wheel(middle, byWheel->mapToGlobal(middle), {}, {0, -120}, Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(byWheel, &wheel);
        QCOMPARE(shown(), (QStringList{"6", "6", "6", "5"}));

        thumb = partOf(byThumb, QStyle::SC_ScrollBarSlider);
        const QPoint bottom(thumb.center().x(), byThumb->height() - 1);
        QTest::mousePress(byThumb, Qt::LeftButton, {}, thumb.center());
        QTest::mouseMove(byThumb, bottom);
        QCOMPARE(byThumb->value(), 5);
        QTest::mouseRelease(byThumb, Qt::LeftButton, {}, bottom);
        QCOMPARE(shown(), (QStringList{"6", "6", "6", "10"}));
    }

    void completionScoresTheTicks_data()
    {
        QTest::addColumn<int>("ticks"); // before the bars all match
        QTest::addColumn<int>("score");
        QTest::newRow("first tick") << 0 << 500;
        QTest::newRow("after 500") << 500 << 0;
        QTest::newRow("after 600") << 600 << -100;
        // The 16-bit counter stops at its top instead of wrapping to a large bonus.
        QTest::newRow("past the 16-bit top") << 32768 << -32267;
    }
    void completionScoresTheTicks()
    {
        QFETCH(int, ticks);
        QFETCH(int, score);
        open();
        start(5, {1, 1, 1, 1});
        tick(ticks);
        QVERIFY(m_test->dialogs->messages.isEmpty());
        for (QScrollBar *bar : ui().bars())
            bar->setValue(5);

        // A tick that arrives while the message is open changes nothing.
        QTimer *timer = ui().Timer1;
        bool ticked = false;
        m_test->dialogs->whileOpen = [timer, &ticked] {
            if (timer->isActive() && !std::exchange(ticked, true))
                QMetaObject::invokeMethod(timer, "timeout");
        };
        tick();
        QCOMPARE(m_test->dialogs->prompts(), QStringList{"You have completed this module!"});
        QCOMPARE(m_test->dialogs->messages.first().icon, MessageIcon::None);
        QCoreApplication::processEvents();
        verifyCompleted(score);
        QCOMPARE(form().scrollTicks(), qMin(ticks + 1, 32767));
    }

    // Every bar counts: any one of them off the magic number holds off completion.
    void oneBarOffHoldsOffCompletion_data()
    {
        QTest::addColumn<int>("off");
        for (int bar = 0; bar < 4; ++bar)
            QTest::addRow("VScroll%d", bar + 1) << bar;
    }
    void oneBarOffHoldsOffCompletion()
    {
        QFETCH(int, off);
        open();
        std::array<int, 4> values = {7, 7, 7, 7};
        values[std::size_t(off)] = 6;
        start(7, values);
        tick();
        QVERIFY(m_test->dialogs->messages.isEmpty());
        QVERIFY(!program().mainWindow().Scroll.Checked());
        QVERIFY(form().isVisible());
    }

    // A tick that comes while another window's box is open is dropped: it would open a second
    // box over the first.
    void noTickWhileAnotherWindowsBoxIsOpen()
    {
        open();
        start(4, {4, 4, 4, 4});
        m_test->dialogs->whileOpen = [this] { tick(); };
        program().mainWindow().mnuAbout_Click();
        QCOMPARE(m_test->dialogs->messages.size(), 1);
        QCOMPARE(form().scrollTicks(), 0);
        m_test->dialogs->whileOpen = nullptr;
        tick();
        verifyCompleted(500);
    }

    void completesOnceWithARealBoxAndTimer()
    {
        startProgram(Boxes::Real);
        open();
        start(3, {3, 3, 3, 3});

        BoxAnswerer boxes(1500);
        QTRY_VERIFY_WITH_TIMEOUT(program().mainWindow().Scroll.Checked(), 6000);
        QTest::qWait(2500);
        QCOMPARE(boxes.boxes(), 1);
        verifyCompleted(500);
        QCOMPARE(form().scrollTicks(), 1);
    }

    void refusesToReopenOnceDone()
    {
        open();
        start(2, {2, 2, 2, 2});
        tick();
        program().mainWindow().Scroll.action()->trigger();
        QCOMPARE(m_test->dialogs->prompts(),
                 (QStringList{"You have completed this module!",
                              "You are already done with this module!"}));
        QVERIFY(!form().isLoaded());
        QCOMPARE(total(), Integer(500));
    }
};

QTEST_MAIN(tst_Form3)
#include "tst_form3.moc"
