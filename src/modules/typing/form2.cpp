#include "form2.h"

Form2Controls::Form2Controls(QWidget *) {}

Form2::Form2(Program &program)
    : Form(program, WindowDesign{QStringLiteral("Module 2: Typing"), QSize(9690, 4860),
                                 WindowDesign::Border::Fixed, true})
{
}

void Form2::ConnectControls(Form2Controls &) {}
