#include "form3.h"

#include "accessibility.h"
#include "design.h"
#include "designcontrols.h"
#include "label.h"
#include "mdiform1.h"
#include "program.h"
#include "valuerules.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

namespace {

constexpr int BarTop = 240;
constexpr int BarWidth = 495;
constexpr int BarHeight = 4695;
constexpr int ValueLabelTop = 5040;

// A disabled bar from 0 (thumb at the top) to 10 (at the bottom). An arrow, a
// click in the trough, a key or a wheel notch moves it one step; a dragged thumb
// changes the value only when it is released.
QScrollBar *makeBar(QWidget *client, const char *name, int left)
{
    auto *bar =
        placed(new QScrollBar(Qt::Vertical, client), name, {left, BarTop, BarWidth, BarHeight});
    bar->setRange(0, 10);
    bar->setSingleStep(1);
    bar->setPageStep(1);
    bar->setTracking(false);
    bar->setFocusPolicy(Qt::WheelFocus);
    bar->setEnabled(false);
    return bar;
}

Label *makeValueLabel(QWidget *client, const char *name, int left, int width, int height)
{
    return designLabel(client, name, QString(), {left, ValueLabelTop, width, height},
                       designFont("Verdana", 9.75, FontStyle::Bold));
}

} // namespace

Form3Controls::Form3Controls(QWidget *client)
    : VScroll1(makeBar(client, "VScroll1", 2520)), VScroll2(makeBar(client, "VScroll2", 3120)),
      VScroll3(makeBar(client, "VScroll3", 3720)), VScroll4(makeBar(client, "VScroll4", 4320)),
      Label1(makeValueLabel(client, "Label1", 2520, 615, 375)),
      Label2(makeValueLabel(client, "Label2", 3120, 495, 375)),
      Label3(makeValueLabel(client, "Label3", 3720, 615, 495)),
      Label4(makeValueLabel(client, "Label4", 4320, 615, 375)),
      Command1(designButton(client, "Command1", Form3::tr("START"), {4920, 4560, 1695, 375},
                            designFont("MS Sans Serif", 12, FontStyle::Bold))),
      Picture1(bannerPicture(client, {120, 240, 2295, 4575})),
      Frame1(designFrame(client, "Frame1", Form3::tr("Magic number"), {4920, 4920, 1695, 855},
                         designFont("Verdana", 8.25))),
      Label5(designLabel(Frame1, "Label5", QString(), {480, 240, 735, 375},
                         designFont("Verdana", 12, FontStyle::Bold))),
      Timer1(designTimer(client, "Timer1", 1000, Qt::PreciseTimer))
{
    // Each bar is read with the label that shows its value; the value labels and
    // the magic number keep their numbers as names, so that a change is announced.
    const auto barName = [](const char *text, int bar) {
        return QCoreApplication::translate("Form3", text).arg(bar);
    };
    speak({{VScroll1, barName(QT_TRANSLATE_NOOP("Form3", "Bar %1"), 1)},
           {VScroll2, barName(QT_TRANSLATE_NOOP("Form3", "Bar %1"), 2)},
           {VScroll3, barName(QT_TRANSLATE_NOOP("Form3", "Bar %1"), 3)},
           {VScroll4, barName(QT_TRANSLATE_NOOP("Form3", "Bar %1"), 4)},
           {Label1, QString(), barName(QT_TRANSLATE_NOOP("Form3", "Value of bar %1"), 1)},
           {Label2, QString(), barName(QT_TRANSLATE_NOOP("Form3", "Value of bar %1"), 2)},
           {Label3, QString(), barName(QT_TRANSLATE_NOOP("Form3", "Value of bar %1"), 3)},
           {Label4, QString(), barName(QT_TRANSLATE_NOOP("Form3", "Value of bar %1"), 4)},
           {Label5, QString(), Form3::tr("Magic number")}});
    for (std::size_t i = 0; i < bars().size(); ++i)
        tieLabel(valueLabels()[i], bars()[i]);
}

Form3::Form3(Program &program)
    : Form(program, WindowDesign{tr("Module 3: Scroll"), QSize(6780, 5880),
                                 WindowDesign::Border::Fixed, true})
{
}

void Form3::connectControls(Form3Controls &c)
{
    on(c.Command1, &QPushButton::clicked, [this] { Command1_Click(); });
    on(c.VScroll1, &QScrollBar::valueChanged, [this] { VScroll1_Change(); });
    on(c.VScroll2, &QScrollBar::valueChanged, [this] { VScroll2_Change(); });
    on(c.VScroll3, &QScrollBar::valueChanged, [this] { VScroll3_Change(); });
    on(c.VScroll4, &QScrollBar::valueChanged, [this] { VScroll4_Change(); });
    on(c.Timer1, &QTimer::timeout, [this] { Timer1_Timer(); });
    // The empty labels match the empty target from the start.
    colourValueLabels();
}

void Form3::Command1_Click()
{
    Form3Controls &c = ui();
    c.Label5->SetCaption(ToText(m_program.reseedAndDrawFrom1To(10)));
    colourValueLabels();
    for (QScrollBar *bar : c.bars())
        bar->setValue(RoundToInteger(m_program.drawFrom1To(10)));
    c.Command1->setVisible(false);
    for (QScrollBar *bar : c.bars())
        bar->setEnabled(true);
    c.Timer1->start();
}

void Form3::RollScrollDrift()
{
    Variant &drift = m_program.record().ScrollDrift;
    drift = m_program.reseedAndDrawFrom1To(2);
    const Variant d = m_program.drawFrom1To(2);
    if (Equal(d, Integer(2)))
        drift = Multiply(drift, Integer(-1));
    if (Equal(d, Integer(1)))
        drift = Integer(0);
}

void Form3::VScroll1_Change()
{
    showValue(ui().VScroll1, ui().Label1);
}
void Form3::VScroll2_Change()
{
    showValue(ui().VScroll2, ui().Label2);
}
void Form3::VScroll3_Change()
{
    showValue(ui().VScroll3, ui().Label3);
}
void Form3::VScroll4_Change()
{
    showValue(ui().VScroll4, ui().Label4);
}

void Form3::Timer1_Timer()
{
    bool complete = true;
    const QString magic = ui().Label5->Caption();
    for (const Label *label : ui().valueLabels())
        complete = (label->Caption() == magic) && complete;

    if (complete) {
        // Qt goes on ticking while the message is open; the drill completes once.
        ui().Timer1->stop();
        const Variant score = Subtract(Integer(500), Integer(ScrollTicks));
        m_program.ShowMessage(tr("You have completed this module!"));
        Variant &total = m_program.record().TotalScore;
        total = Add(total, score);
        m_program.mainWindow().Scroll.SetChecked(true);
        Unload();
    }

    // Touching a control of the closed drill would load it again.
    if (isLoaded()) {
        for (QScrollBar *bar : ui().bars())
            drift(bar);
    }
    // The count stops at the top of its range: wrapping round would turn nine hours of
    // drifting into a large bonus.
    countUp(ScrollTicks);
}

void Form3::colourValueLabels()
{
    const QString magic = ui().Label5->Caption();
    for (Label *label : ui().valueLabels()) {
        const bool matches = label->Caption() == magic;
        label->SetForeColour(colourOf(matches ? RgbColour(0, 180, 0) : RgbColour(0, 0, 0)));
    }
}

void Form3::showValue(QScrollBar *bar, Label *label)
{
    label->SetCaption(ToText(Integer(static_cast<qint16>(bar->value()))));
    colourValueLabels();
}

void Form3::drift(QScrollBar *bar)
{
    RollScrollDrift();
    const Variant s =
        Add(Integer(static_cast<qint16>(bar->value())), m_program.record().ScrollDrift);
    if (Greater(s, Integer(0)) && Less(s, Integer(11)))
        bar->setValue(RoundToInteger(s));
}
