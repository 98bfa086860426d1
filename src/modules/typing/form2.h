#pragma once

#include "window.h"
#include "windowname.h"

class Program;

struct Form2Controls
{
    explicit Form2Controls(QWidget *client);
};

class Form2 : public Form<Form2Controls>
{
    Q_OBJECT
public:
    static constexpr WindowName Name = WindowName::Form2;
    explicit Form2(Program &program);

protected:
    void ConnectControls(Form2Controls &controls) override;
};
