#pragma once

#include "window.h"
#include "windowname.h"

class Program;

struct frmAboutControls
{
    explicit frmAboutControls(QWidget *client);
};

class frmAbout : public Form<frmAboutControls>
{
    Q_OBJECT
public:
    static constexpr WindowName Name = WindowName::frmAbout;
    explicit frmAbout(Program &program);

protected:
    void ConnectControls(frmAboutControls &controls) override;
};
