#pragma once

#include "window.h"
#include "windowname.h"

class Program;

struct Form5Controls
{
    explicit Form5Controls(QWidget *client);
};

class Form5 : public Form<Form5Controls>
{
    Q_OBJECT
public:
    static constexpr WindowName Name = WindowName::Form5;
    explicit Form5(Program &program);

protected:
    void ConnectControls(Form5Controls &controls) override;
};
