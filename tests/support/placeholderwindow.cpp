#include "placeholderwindow.h"

#include "label.h"
#include "program.h"

PlaceholderControls::PlaceholderControls(QWidget *client)
    : Label1(new Label(client, QStringLiteral("design")))
{
}

PlaceholderWindow::PlaceholderWindow(Program &program)
    : Form(program, WindowDesign{QStringLiteral("Placeholder"), QSize(3000, 1500)})
{
}

void RegisterPlaceholders(Program &program)
{
    for (WindowName name : {WindowName::Form1, WindowName::Form2, WindowName::Form3,
                            WindowName::Form4, WindowName::Form5, WindowName::frmAbout}) {
        if (!program.isRegistered(name))
            program.RegisterWindow(
                name, [](Program &p) { return std::make_unique<PlaceholderWindow>(p); });
    }
}
