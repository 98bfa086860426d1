#include "form5.h"

Form5Controls::Form5Controls(QWidget *) {}

Form5::Form5(Program &program)
    : Form(program, WindowDesign{QStringLiteral("Thornax Explorer"), QSize(8430, 6450),
                                 WindowDesign::Border::Fixed, true})
{
}

void Form5::ConnectControls(Form5Controls &) {}
