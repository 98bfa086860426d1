#pragma once

#include "window.h"
#include "windowname.h"

class Program;

struct Form3Controls
{
    explicit Form3Controls(QWidget *client);
};

class Form3 : public Form<Form3Controls>
{
    Q_OBJECT
public:
    static constexpr WindowName Name = WindowName::Form3;
    explicit Form3(Program &program);

protected:
    void ConnectControls(Form3Controls &controls) override;
};
