#include "frmabout.h"

frmAboutControls::frmAboutControls(QWidget *) {}

frmAbout::frmAbout(Program &program)
    : Form(program, WindowDesign{QStringLiteral("About MyApp"), QSize(4875, 1395),
                                 WindowDesign::Border::None, false})
{
}

void frmAbout::ConnectControls(frmAboutControls &) {}
