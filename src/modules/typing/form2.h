#pragma once

#include "window.h"

#include <QtGlobal>

class TextBox;

// The typing drill's controls, as the window's design lays them out.
struct Form2Controls
{
    explicit Form2Controls(QWidget *client);

    QLabel *Picture1;
    QGroupBox *Frame1;
    Label *Label1;
    Label *Label2;
    Label *Label4;
    Label *Label3;
    QPushButton *Command1;
    TextBox *Text1;
    QTimer *startTimer;
};

// The typing drill: retype a sentence drawn from three while, now and then, a
// random character is appended to what has been typed. The tick counters are
// fields of the window, so they go on counting when the drill is reopened.
class Form2 : public Form<Form2Controls>
{
    Q_OBJECT
public:
    static constexpr WindowName Name = WindowName::Form2;
    explicit Form2(Program &program);

    qint16 TypingSeconds = 0;
    qint16 TypingScore = 0;

    void Command1_Click();
    void startTimer_Timer();
    void Text1_Change();

protected:
    void connectControls(Form2Controls &controls) override;
    void Form_Load() override;
};
