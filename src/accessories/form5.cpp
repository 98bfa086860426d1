#include "form5.h"

#include "accessibility.h"
#include "design.h"
#include "designcontrols.h"
#include "program.h"
#include "valuerules.h"

#include <QLineEdit>
#include <QVBoxLayout>

Form5Controls::Form5Controls(QWidget *client)
    : WebBrowser1Site(placed(new QWidget(client), "WebBrowser1", {0, 240, 8415, 6255})),
      Text1(placed(new QLineEdit(client), "Text1", {0, 0, 8415, 285}))
{
    auto *layout = new QVBoxLayout(WebBrowser1Site);
    layout->setContentsMargins(0, 0, 0, 0);

    setDesignColour(Text1, QPalette::Base, colourOf(RgbColour(224, 224, 224)));
    Text1->setText(Form5::SiteRoot);
    speak({{Text1, Form5::tr("Address")}});
}

Form5::Form5(Program &program)
    : Form(program, WindowDesign{tr("Thornax Explorer"), QSize(8430, 6450),
                                 WindowDesign::Border::Fixed, true})
{
}

void Form5::setWebViewFactory(WebViewFactory factory)
{
    m_createView = std::move(factory);
}

void Form5::connectControls(Form5Controls &c)
{
    // The view comes from the window's factory, so it is put in place here.
    QWidget *site = c.WebBrowser1Site;
    c.WebBrowser1 = m_createView ? m_createView(site) : m_module.createView(site);
    site->layout()->addWidget(c.WebBrowser1->widget());
    speak({{c.WebBrowser1->widget(), tr("Web page")}});

    on(c.Text1, &QLineEdit::returnPressed, [this] { Text1_KeyPress(); });
}

void Form5::Form_Load()
{
    returnToStartAddress();
    // The page view comes first in tab order, the address box after it. Set once the view
    // navigates: the engine then hands the view's focus to a widget of its own.
    QWidget *view = ui().WebBrowser1->widget();
    view->setFocusPolicy(Qt::StrongFocus);
    QWidget::setTabOrder(view, ui().Text1);
}

void Form5::Text1_KeyPress()
{
    //: %1 starts the second line.
    m_program.ShowMessage(
        tr("It seems as if that site is censored!%1We will direct you to an uncensored site!")
            .arg(CharOf(13)),
        MessageIcon::Error);
    returnToStartAddress();
}

void Form5::returnToStartAddress()
{
    const QString a = StartAddress;
    ui().WebBrowser1->Navigate(a);
    ui().Text1->setText(a);
}
