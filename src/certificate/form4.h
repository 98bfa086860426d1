#pragma once

#include "window.h"
#include "windowname.h"

class Program;

struct Form4Controls
{
    explicit Form4Controls(QWidget *client);
};

class Form4 : public Form<Form4Controls>
{
    Q_OBJECT
public:
    static constexpr WindowName Name = WindowName::Form4;
    explicit Form4(Program &program);

protected:
    void ConnectControls(Form4Controls &controls) override;
};
