#pragma once

#include "window.h"
#include "windowname.h"

class Program;

struct Form1Controls
{
    explicit Form1Controls(QWidget *client);
};

class Form1 : public Form<Form1Controls>
{
    Q_OBJECT
public:
    static constexpr WindowName Name = WindowName::Form1;
    explicit Form1(Program &program);

protected:
    void ConnectControls(Form1Controls &controls) override;
};
