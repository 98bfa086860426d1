#include "form3.h"

Form3Controls::Form3Controls(QWidget *) {}

Form3::Form3(Program &program)
    : Form(program, WindowDesign{QStringLiteral("Module 3: Scroll"), QSize(6780, 5880),
                                 WindowDesign::Border::Fixed, true})
{
}

void Form3::ConnectControls(Form3Controls &) {}
