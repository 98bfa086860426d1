#include "form1.h"

Form1Controls::Form1Controls(QWidget *) {}

Form1::Form1(Program &program)
    : Form(program, WindowDesign{QStringLiteral("Module 1: Installer Guide"), QSize(6270, 5850),
                                 WindowDesign::Border::Fixed, true})
{
}

void Form1::ConnectControls(Form1Controls &) {}
