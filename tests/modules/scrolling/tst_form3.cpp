#include "form3.h"
#include "label.h"
#include "mdiform1.h"
#include "placeholderwindow.h"
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

namespace {

const QColor Green(0, 180, 0);
const QColor Black(0, 0, 0);

// Where a part of the bar (arrow, trough, thumb) is drawn.
QRect PartOf(QScrollBar *bar, QStyle::SubControl part)
{
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.orientation = bar->orientation();
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = bar->sliderPosition();
    option.sliderValue = bar->value();
    option.singleStep = bar->singleStep();
    option.pageStep = bar->pageStep();
    option.subControls = QStyle::SC_All;
    return bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, part, bar);
}

void SendMouse(QWidget *widget, QEvent::Type type, QPoint at, Qt::MouseButtons held)
{
    QMouseEvent event(type, at, widget->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

// One notch of the wheel over the middle of the widget.
void SendWheel(QWidget *widget, int delta)
{
    const QPointF at(widget->width() / 2.0, widget->height() / 2.0);
    QWheelEvent event(at, widget->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget, &event);
}

} // namespace

// The scrolling drill: START, the drift, the colouring, completion and its score.
class tst_Form3 : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestProgram> m_test;
    Program &program() { return *m_test->program; }
    Form3 &form() { return program().window<Form3>(); }
    Form3Controls &ui() { return form().controls(); }
    ScriptedRandom &random() { return *m_test->random; }

    void startProgram(std::unique_ptr<TestProgram> test)
    {
        m_test = std::move(test);
        program().RegisterWindow(WindowName::Form3,
                                 [](Program &p) { return std::make_unique<Form3>(p); });
        RegisterPlaceholders(program());
        program().Start();
    }

    void open() { program().mainWindow().Scroll_Click(); }

    void start(int target, std::array<int, 4> values)
    {
        random().queueDraw(target, 10);
        for (int value : values)
            random().queueDraw(value, 10);
        QTest::mouseClick(ui().Command1, Qt::LeftButton);
    }

    // Queues the two draws that make one drift of 0, -1 or -2.
    void queueDrift(int drift)
    {
        random().queueDraw(drift == 0 ? 1 : -drift, 2);
        random().queueDraw(drift == 0 ? 1 : 2, 2);
    }

    QStringList captions()
    {
        QStringList result;
        for (const Label *label : ui().valueLabels())
            result.append(label->Caption());
        return result;
    }
    QList<int> values()
    {
        QList<int> result;
        for (const QScrollBar *bar : ui().bars())
            result.append(bar->value());
        return result;
    }
    // "green", "black" or the colour's name, label by label.
    QStringList colours()
    {
        QStringList result;
        for (const Label *label : ui().valueLabels()) {
            const QColor colour = label->ForeColour();
            result.append(colour == Green ? "green" : colour == Black ? "black" : colour.name());
        }
        return result;
    }

    void tick(int times = 1)
    {
        for (int i = 0; i < times; ++i)
            QVERIFY(QMetaObject::invokeMethod(ui().Timer1, "timeout"));
    }

private slots:
    void init() { startProgram(std::make_unique<TestProgram>()); }
    void cleanup() { m_test.reset(); }

    void opensReady()
    {
        open();
        QVERIFY(form().IsVisible());
        QCOMPARE(form().Caption(), QStringLiteral("Module 3: Scroll"));
        QCOMPARE(ui().Command1->text(), QStringLiteral("START"));
        QVERIFY(ui().Command1->isVisible());
        QCOMPARE(ui().Frame1->title(), QStringLiteral("Magic number"));
        QCOMPARE(ui().Label5->Caption(), QString());
        QCOMPARE(captions(), QStringList(4, QString()));
        for (QScrollBar *bar : ui().bars()) {
            QVERIFY(!bar->isEnabled());
            QCOMPARE(bar->value(), 0);
            QCOMPARE(bar->minimum(), 0);
            QCOMPARE(bar->maximum(), 10);
        }
        QVERIFY(!ui().Timer1->isActive());
        // The empty captions match the empty target.
        QCOMPARE(colours(), QStringList(4, "green"));
        QCOMPARE(form().scrollTicks(), 0);
    }

    void startShowsTheDrawsAndRuns()
    {
        open();
        m_test->clock->seconds = 3600.5f;
        start(7, {3, 7, 10, 1});
        QCOMPARE(random().seeds, QList<float>{3600.5f});
        QCOMPARE(ui().Label5->Caption(), QStringLiteral("7"));
        QCOMPARE(values(), (QList<int>{3, 7, 10, 1}));
        QCOMPARE(captions(), (QStringList{"3", "7", "10", "1"}));
        QCOMPARE(colours(), (QStringList{"black", "green", "black", "black"}));
        QVERIFY(!ui().Command1->isVisible());
        for (QScrollBar *bar : ui().bars())
            QVERIFY(bar->isEnabled());
        QVERIFY(ui().Timer1->isActive());
        QCOMPARE(ui().Timer1->interval(), 1000);
        QVERIFY(program().mainWindow().Scroll.Checked() == false);
    }

    void driftAtTheEdges_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("drift");
        QTest::addColumn<int>("to");
        QTest::addColumn<Variant>("recorded");
        QTest::newRow("1 stays on -1") << 1 << -1 << 1 << Single(-1);
        QTest::newRow("1 stays on -2") << 1 << -2 << 1 << Single(-2);
        QTest::newRow("2 to 1 on -1") << 2 << -1 << 1 << Single(-1);
        QTest::newRow("2 stays on -2") << 2 << -2 << 2 << Single(-2);
        QTest::newRow("0 stays on -1") << 0 << -1 << 0 << Single(-1);
        QTest::newRow("0 stays on 0") << 0 << 0 << 0 << Integer(0);
        QTest::newRow("5 stays on 0") << 5 << 0 << 5 << Integer(0);
        QTest::newRow("10 to 9") << 10 << -1 << 9 << Single(-1);
        QTest::newRow("10 to 8") << 10 << -2 << 8 << Single(-2);
    }
    void driftAtTheEdges()
    {
        QFETCH(int, from);
        QFETCH(int, drift);
        QFETCH(int, to);
        QFETCH(Variant, recorded);
        open();
        start(4, {3, 3, 3, 3});
        for (QScrollBar *bar : ui().bars())
            bar->setValue(from);
        for (int bar = 0; bar < 4; ++bar)
            queueDrift(drift);
        tick();
        QCOMPARE(values(), QList<int>(4, to));
        QCOMPARE(captions(), QStringList(4, QString::number(to)));
        QCOMPARE(program().record().ScrollDrift, recorded);
    }

    void colourFollowsDriftAndUser()
    {
        open();
        start(4, {5, 6, 4, 1});
        QCOMPARE(colours(), (QStringList{"black", "black", "green", "black"}));

        for (int drift : {-1, -2, -1, 0})
            queueDrift(drift);
        tick();
        QCOMPARE(captions(), (QStringList{"4", "4", "3", "1"}));
        QCOMPARE(colours(), (QStringList{"green", "green", "black", "black"}));

        ui().VScroll3->setFocus();
        QTest::keyClick(ui().VScroll3, Qt::Key_Down);
        QTest::keyClick(ui().VScroll4, Qt::Key_PageDown);
        QCOMPARE(captions(), (QStringList{"4", "4", "4", "2"}));
        QCOMPARE(colours(), (QStringList{"green", "green", "green", "black"}));
    }

    void userMovesABarOneStep_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("step");
        for (const char *how : {"arrow key", "page key", "wheel", "arrow button", "trough"}) {
            QTest::addRow("%s down", how) << QString::fromLatin1(how) << 1;
            QTest::addRow("%s up", how) << QString::fromLatin1(how) << -1;
        }
    }
    void userMovesABarOneStep()
    {
        QFETCH(QString, how);
        QFETCH(int, step);
        open();
        start(8, {5, 5, 5, 5});
        QScrollBar *bar = ui().VScroll2;
        QVERIFY((bar->focusPolicy() & Qt::StrongFocus) == Qt::StrongFocus);

        const bool down = step > 0;
        const QRect thumb = PartOf(bar, QStyle::SC_ScrollBarSlider);
        const QPoint inTrough(thumb.center().x(), down ? thumb.bottom() + 4 : thumb.top() - 4);
        const QPoint onArrow =
            PartOf(bar, down ? QStyle::SC_ScrollBarAddLine : QStyle::SC_ScrollBarSubLine).center();
        if (how == "arrow key")
            QTest::keyClick(bar, down ? Qt::Key_Down : Qt::Key_Up);
        else if (how == "page key")
            QTest::keyClick(bar, down ? Qt::Key_PageDown : Qt::Key_PageUp);
        else if (how == "wheel")
            SendWheel(bar, down ? -120 : 120);
        else
            QTest::mouseClick(bar, Qt::LeftButton, {}, how == "trough" ? inTrough : onArrow);
        QCOMPARE(bar->value(), 5 + step);
        QCOMPARE(ui().Label2->Caption(), QString::number(5 + step));
    }

    void draggedThumbCountsWhenReleased()
    {
        open();
        start(10, {5, 5, 5, 5});
        QScrollBar *bar = ui().VScroll1;
        const QPoint from = PartOf(bar, QStyle::SC_ScrollBarSlider).center();
        const QPoint bottom(from.x(), bar->height() - 1);
        SendMouse(bar, QEvent::MouseButtonPress, from, Qt::LeftButton);
        SendMouse(bar, QEvent::MouseMove, bottom, Qt::LeftButton);
        QCOMPARE(bar->value(), 5);
        QCOMPARE(ui().Label1->Caption(), QStringLiteral("5"));
        SendMouse(bar, QEvent::MouseButtonRelease, bottom, Qt::NoButton);
        QCOMPARE(bar->value(), 10);
        QCOMPARE(ui().Label1->Caption(), QStringLiteral("10"));
        QCOMPARE(colours().first(), QStringLiteral("green"));
    }

    void completesOnTheFirstTick()
    {
        open();
        start(6, {6, 6, 6, 6});
        tick();
        QCOMPARE(m_test->dialogs->prompts(), QStringList{"You have completed this module!"});
        QCOMPARE(m_test->dialogs->messages.first().icon, MessageIcon::None);
        QCOMPARE(program().record().TotalScore, Integer(500));
        QVERIFY(program().mainWindow().Scroll.Checked());
        QVERIFY(!form().IsLoaded());
        QCoreApplication::processEvents();
        QVERIFY(!form().IsLoaded());
        QCOMPARE(form().scrollTicks(), 1);
    }

    void scoreFallsWithTheTicks_data()
    {
        QTest::addColumn<int>("ticks");
        QTest::addColumn<Variant>("total");
        QTest::newRow("1") << 1 << Integer(499);
        QTest::newRow("499") << 499 << Integer(1);
        QTest::newRow("500") << 500 << Integer(0);
        QTest::newRow("600") << 600 << Integer(-100);
    }
    void scoreFallsWithTheTicks()
    {
        QFETCH(int, ticks);
        QFETCH(Variant, total);
        open();
        start(5, {1, 1, 1, 1});
        tick(ticks);
        QVERIFY(m_test->dialogs->messages.isEmpty());
        QCOMPARE(form().scrollTicks(), ticks);
        for (QScrollBar *bar : ui().bars())
            bar->setValue(5);
        QCOMPARE(colours(), QStringList(4, "green"));
        tick();
        QCOMPARE(program().record().TotalScore, total);
    }

    void aTickWhileTheMessageIsOpenChangesNothing()
    {
        open();
        start(6, {6, 6, 6, 6});
        QTimer *timer = ui().Timer1;
        bool ticked = false;
        m_test->dialogs->whileOpen = [timer, &ticked] {
            if (timer->isActive() && !std::exchange(ticked, true))
                QMetaObject::invokeMethod(timer, "timeout");
        };
        tick();
        QCOMPARE(m_test->dialogs->messages.size(), 1);
        QCOMPARE(program().record().TotalScore, Integer(500));
        QVERIFY(!form().IsLoaded());
    }

    void completesOnceWithARealBoxAndTimer()
    {
        startProgram(TestProgram::WithRealDialogs());
        open();
        start(3, {3, 3, 3, 3});

        // Counts every box that opens and closes each after a second.
        QList<QWidget *> boxes;
        QTimer watcher;
        QElapsedTimer openFor;
        connect(&watcher, &QTimer::timeout, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            if (!boxes.contains(box)) {
                boxes.append(box);
                QCOMPARE(box->text(), QStringLiteral("You have completed this module!"));
                openFor.start();
            } else if (openFor.elapsed() > 1500) {
                box->done(QMessageBox::Ok);
            }
        });
        watcher.start(20);

        QTRY_VERIFY_WITH_TIMEOUT(program().mainWindow().Scroll.Checked(), 6000);
        QVERIFY(!form().IsLoaded());
        QTest::qWait(2500);
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(program().record().TotalScore, Integer(500));
        QVERIFY(!form().IsLoaded());
        QCOMPARE(form().scrollTicks(), 1);
    }

    void reopeningKeepsTheCount()
    {
        open();
        start(5, {1, 1, 1, 1});
        tick(3);
        form().subWindow()->close();
        QVERIFY(!form().IsLoaded());
        QVERIFY(!program().mainWindow().Scroll.Checked());
        QCOMPARE(program().record().TotalScore, Integer(0));

        open();
        QVERIFY(ui().Command1->isVisible());
        QCOMPARE(values(), QList<int>(4, 0));
        QCOMPARE(captions(), QStringList(4, QString()));
        QVERIFY(!ui().Timer1->isActive());
        start(8, {8, 8, 8, 8});
        tick();
        QCOMPARE(program().record().TotalScore, Integer(497));
    }

    void counterStopsAtItsTop()
    {
        open();
        start(5, {1, 1, 1, 1});
        tick(32767);
        QCOMPARE(form().scrollTicks(), 32767);
        tick();
        QCOMPARE(form().scrollTicks(), 32767);
        QVERIFY(m_test->dialogs->messages.isEmpty());
        for (QScrollBar *bar : ui().bars())
            bar->setValue(5);
        tick();
        QCOMPARE(program().record().TotalScore, Integer(-32267));
        QCOMPARE(form().scrollTicks(), 32767);
    }

    void refusesToReopenOnceDone()
    {
        open();
        start(2, {2, 2, 2, 2});
        tick();
        m_test->dialogs->messages.clear();
        program().mainWindow().Scroll.action()->trigger();
        QCOMPARE(m_test->dialogs->prompts(), QStringList{"You are already done with this module!"});
        QVERIFY(!form().IsLoaded());
        QCOMPARE(program().record().TotalScore, Integer(500));
    }
};

QTEST_MAIN(tst_Form3)
#include "tst_form3.moc"
