#pragma once

#include "window.h"

// The score panel's controls, as the window's design lays them out.
struct frmAboutControls
{
    explicit frmAboutControls(QWidget *client);

    QWidget *Shape1;
    QLabel *picIcon;
    Label *Pryl;
    QTimer *Timer1;
};

// The borderless score panel in the frame's corner: shows the total score once
// a second and, when all three modules are checked, unlocks the certificate.
class frmAbout : public Form<frmAboutControls>
{
    Q_OBJECT
public:
    static constexpr WindowName Name = WindowName::frmAbout;
    explicit frmAbout(Program &program);

    void Timer1_Timer();

protected:
    void connectControls(frmAboutControls &controls) override;
};
