#pragma once

#include "form3controls.h"
#include "window.h"
#include "windowname.h"

#include <QtGlobal>

class Program;
class QScrollBar;
class Variant;

// The scrolling drill: four drifting scroll bars to be brought to a drawn
// target number, scored by how few one-second ticks it took over the whole run.
class Form3 : public Form<Form3Controls>
{
    Q_OBJECT
public:
    static constexpr WindowName Name = WindowName::Form3;
    explicit Form3(Program &program);

    // Ticks of the drill counted in this run, closed attempts included.
    qint16 scrollTicks() const { return ScrollTicks; }

    void Command1_Click();
    void Timer1_Timer();
    void VScroll1_Change();
    void VScroll2_Change();
    void VScroll3_Change();
    void VScroll4_Change();

protected:
    void connectControls(Form3Controls &controls) override;

private:
    void RollScrollDrift();
    // Labels a value green exactly while it shows the target. Runs whenever a
    // caption changes, which keeps the rule without polling.
    void colourValueLabels();
    void showValue(QScrollBar *bar, Label *label);
    void drift(QScrollBar *bar);
    void countTick();

    qint16 ScrollTicks = 0;
};
