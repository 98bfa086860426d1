#include "form3.h"

#include "design.h"
#include "label.h"
#include "mdiform1.h"
#include "program.h"
#include "valuerules.h"

#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

#include <limits>

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
    m_program.Reseed(m_program.SecondsSinceMidnight());
    c.Label5->SetCaption(ToText(m_program.drawFrom1To(10)));
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
    m_program.Reseed(m_program.SecondsSinceMidnight());
    drift = m_program.drawFrom1To(2);
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
    countTick();
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

// The counter stops at the top of its 16-bit range instead of wrapping round,
// which would turn nine hours of drifting into a large bonus.
void Form3::countTick()
{
    if (ScrollTicks < std::numeric_limits<qint16>::max())
        ++ScrollTicks;
}
