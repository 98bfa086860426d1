#pragma once

#include <array>

class Label;
class QGroupBox;
class QLabel;
class QPushButton;
class QScrollBar;
class QTimer;
class QWidget;

// The controls of the scrolling drill, as its window design places them.
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
