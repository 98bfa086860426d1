#include "openwindow.h"

#include "form5.h"
#include "mdiform1.h"
#include "program.h"
#include "standinview.h"

void openFromTheMenu(Program &program, WindowName name)
{
    MDIForm1 &frame = program.mainWindow();
    switch (name) {
    case WindowName::Form1:
        frame.Guiden_Click();
        break;
    case WindowName::Form3:
        frame.Scroll_Click();
        break;
    case WindowName::Form2:
        frame.mnuTyping_Click();
        break;
    case WindowName::Form4:
        frame.mnuCertificate_Click();
        break;
    case WindowName::Form5:
        program.window<Form5>().setWebViewFactory(standInViews());
        frame.mnuBrowser_Click();
        break;
    default:
        break;
    }
}
