#include "form4.h"

Form4Controls::Form4Controls(QWidget *) {}

Form4::Form4(Program &program)
    : Form(program, WindowDesign{QStringLiteral("Congratulations!"), QSize(6885, 7515),
                                 WindowDesign::Border::Fixed, true})
{
}

void Form4::ConnectControls(Form4Controls &) {}
