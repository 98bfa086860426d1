#pragma once

#include "window.h"

#include <QtGlobal>

#include <array>

class Variant;

// The scrolling drill's controls, as the window's design lays them out.
struct Form3Controls
{
    explicit Form3Controls(QWidget *client);

    QScrollBar *VScroll1;
    QScrollBar *VScroll2;
    QScrollBar *VScroll3;
    QScrollBar *VScroll4;
    Label *Label1;
    Label *Label2;
    Label *Label3;
    Label *Label4;
    QPushButton *Command1;
    QLabel *Picture1;
    QGroupBox *Frame1;
    Label *Label5;
    QTimer *Timer1;

    std::array<QScrollBar *, 4> bars() const { return {VScroll1, VScroll2, VScroll3, VScroll4}; }
    // The labels that show the bars' values, in the bars' order.
    std::array<Label *, 4> valueLabels() const { return {Label1, Label2, Label3, Label4}; }
};

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

    qint16 ScrollTicks = 0;
};
