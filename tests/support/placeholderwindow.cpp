#include "placeholderwindow.h"

#include "label.h"
#include "program.h"

PlaceholderControls::PlaceholderControls(QWidget *client)
    : Label1(new Label(client, QStringLiteral("design")))
{
}

PlaceholderWindow::PlaceholderWindow(Program &program, WindowDesign::Border border)
    : Form(program, WindowDesign{QStringLiteral("Placeholder"), QSize(3000, 1500), border})
{
}

void registerPlaceholders(Program &program)
{
    for (WindowName name : {WindowName::Form1, WindowName::Form2, WindowName::Form3,
                            WindowName::Form4, WindowName::Form5, WindowName::frmAbout}) {
        if (!program.isRegistered(name))
            program.registerWindow(name, [name](Program &p) {
                // Like the score panel it stands in for, that one has no border.
                const auto border = name == WindowName::frmAbout ? WindowDesign::Border::None
                                                                 : WindowDesign::Border::Fixed;
                return std::make_unique<PlaceholderWindow>(p, border);
            });
    }
}
