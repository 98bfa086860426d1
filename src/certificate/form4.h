#pragma once

#include "window.h"

// The certificate's controls, as the window's design lays them out.
struct Form4Controls
{
    explicit Form4Controls(QWidget *client);

    Label *Label1;  // the title
    QLabel *Image1; // the medal
    Label *Label3;  // the trademark line
    Label *Label2;  // the certificate text, written on load
};

// The certificate: asks for the user's name while it loads and shows a
// certificate made out to that name, exactly as typed.
class Form4 : public Form<Form4Controls>
{
    Q_OBJECT
public:
    static constexpr WindowName Name = WindowName::Form4;
    explicit Form4(Program &program);

protected:
    void connectControls(Form4Controls &) override {}
    void Form_Load() override;
};
