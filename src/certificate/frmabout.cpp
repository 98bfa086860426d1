#include "frmabout.h"

#include "accessibility.h"
#include "design.h"
#include "designcontrols.h"
#include "label.h"
#include "mdiform1.h"
#include "pictures.h"
#include "program.h"
#include "valuerules.h"

#include <QPainter>
#include <QTimer>

namespace {

// A rectangle outline, one pixel wide in the window-text colour, with a
// transparent interior; clicks go through it.
class OutlineShape : public QWidget
{
public:
    explicit OutlineShape(QWidget *parent) : QWidget(parent)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setPen(QPen(palette().color(QPalette::WindowText), 0));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
};

} // namespace

frmAboutControls::frmAboutControls(QWidget *client)
    : Shape1(placed<QWidget>(new OutlineShape(client), "Shape1", {120, 120, 4695, 1215})),
      picIcon(designPicture(client, "picIcon", {240, 240, 750, 750}, iconPicture)),
      Pryl(designLabel(client, "Pryl", frmAbout::tr("Total Score: %1").arg(0),
                       {1050, 240, 3885, 840}, designFont("Verdana", 15.75, FontStyle::Bold),
                       WordWrap::Yes)),
      Timer1(designTimer(client, "Timer1", 1000))
{
    fillDesignBackground(client, applicationWorkspaceColour());

    // The panel is there from the start, and its picture with it.
    picIcon->setPixmap(iconPicture());
    fillDesignBackground(picIcon, client->palette().color(QPalette::Base));

    Pryl->SetBackColour(applicationWorkspaceColour());
    Pryl->SetForeColour(colourOf(RgbColour(192, 192, 192)));

    // The score line reaches past the outline's right side; the outline stays whole.
    Shape1->raise();

    speak({{picIcon, frmAbout::tr("Thornax logo")}});

    Timer1->start();
}

frmAbout::frmAbout(Program &program)
    : Form(program, WindowDesign{tr("About MyApp"), QSize(4875, 1395), WindowDesign::Border::None,
                                 false, tr("Score"), /* opensBoxes */ false})
{
}

void frmAbout::connectControls(frmAboutControls &c)
{
    on(c.Timer1, &QTimer::timeout, [this] { Timer1_Timer(); });
}

void frmAbout::Timer1_Timer()
{
    const Variant score = Concat(m_program.record().TotalScore, Text(QString()));
    frmAboutControls &c = ui();
    c.Pryl->SetCaption(tr("Total Score: %1").arg(ToText(score)));

    MDIForm1 &frame = m_program.mainWindow();
    const bool scrollingDone = frame.Scroll.Checked();
    const bool typingDone = frame.mnuTyping.Checked();
    const bool installerDone = frame.Guiden.Checked();
    if (scrollingDone && typingDone && installerDone) {
        frame.mnuCertificate.SetEnabled(true);
        frame.SetCaption(frame.Caption() + tr(" - Certification completed"));
        c.Pryl->SetCaption(tr("Finished with %1 points!").arg(ToText(score)));
        c.Timer1->stop();
    }
}
