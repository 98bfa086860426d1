#pragma once

#include "window.h"

// The Installer drill's controls, as the window's design lays them out.
struct Form1Controls
{
    explicit Form1Controls(QWidget *client);

    QLabel *Picture1;
    QGroupBox *Frame1;
    Label *Label1;
    QPushButton *Command4;
    QPushButton *Command1;
    QPushButton *Command2;
    QPushButton *Command3;
    Label *Label2;
    QTimer *Timer1;
    QTimer *Timer2;
};

// The Installer drill: hit whichever of three buttons reads "Next" while their
// captions change places; fifteen right clicks in the time budget finish a
// level, three levels the module. Its counters live in the progress record.
class Form1 : public Form<Form1Controls>
{
    Q_OBJECT
public:
    static constexpr WindowName Name = WindowName::Form1;
    explicit Form1(Program &program);

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Timer1_Timer();
    void Timer2_Timer();

protected:
    void Form_Load() override;
    void connectControls(Form1Controls &controls) override;

private:
    void PrepareLevel();
    void ShuffleButtons();
    // The one handler behind the three drill buttons.
    void drillButtonClicked(const QPushButton &button);
};
