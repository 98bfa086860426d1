#include "form1.h"

#include "accessibility.h"
#include "design.h"
#include "designcontrols.h"
#include "installerrules.h"
#include "label.h"
#include "mdiform1.h"
#include "productinfo.h"
#include "program.h"
#include "valuerules.h"

#include <QGroupBox>
#include <QPushButton>
#include <QTimer>

Form1Controls::Form1Controls(QWidget *client)
    : Picture1(bannerPicture(client, {240, 120, 2295, 4575})),
      Frame1(designFrame(client, "Frame1", QString(), {2640, 120, 3495, 3975}, QFont())),
      Label1(designLabel(Frame1, "Label1", QString(), {120, 240, 3255, 3375},
                         designFont("Verdana", 8.25), WordWrap::Yes)),
      Command4(designButton(client, "Command4", Form1::tr("START"), {2760, 4200, 3135, 495},
                            designFont("Verdana", 18))),
      Command1(designButton(client, "Command1", QStringLiteral("?"), {240, 4920, 1215, 375},
                            designFont("Verdana", 8.25))),
      Command2(designButton(client, "Command2", QStringLiteral("?"), {2400, 4920, 1215, 375},
                            designFont("Verdana", 8.25))),
      Command3(designButton(client, "Command3", QStringLiteral("?"), {4680, 4920, 1215, 375},
                            designFont("Verdana", 8.25))),
      Label2(designLabel(client, "Label2", Form1::tr("Remaining time:"), {240, 5400, 4455, 255},
                         designFont("Verdana", 8.25), WordWrap::Yes)),
      Timer1(designTimer(client, "Timer1", 100)),
      // Its ticks are the seconds the user sees running out.
      Timer2(designTimer(client, "Timer2", 100, Qt::PreciseTimer))
{
    speak({{Frame1, Form1::tr("Rules")},
           {Command4, QString(), Form1::tr("Starts the level")},
           {Command1, QString(), Form1::tr("Drill button, left")},
           {Command2, QString(), Form1::tr("Drill button, middle")},
           {Command3, QString(), Form1::tr("Drill button, right")}});
    QWidget::setTabOrder(Command1, Command2);
    QWidget::setTabOrder(Command2, Command3);
    QWidget::setTabOrder(Command3, Command4);
}

Form1::Form1(Program &program)
    : Form(program, WindowDesign{tr("Module 1: Installer Guide"), QSize(6270, 5850),
                                 WindowDesign::Border::Fixed, true})
{
}

void Form1::connectControls(Form1Controls &c)
{
    on(c.Command1, &QPushButton::clicked, [this] { Command1_Click(); });
    on(c.Command2, &QPushButton::clicked, [this] { Command2_Click(); });
    on(c.Command3, &QPushButton::clicked, [this] { Command3_Click(); });
    on(c.Command4, &QPushButton::clicked, [this] { Command4_Click(); });
    on(c.Timer1, &QTimer::timeout, [this] { Timer1_Timer(); });
    on(c.Timer2, &QTimer::timeout, [this] { Timer2_Timer(); });
}

void Form1::Form_Load()
{
    Label *rules = ui().Label1;
    for (const QString &line : {tr("The rules are simple, just hit the [Next] button."),
                                tr("If you click wrong, time will be removed."),
                                tr("15 right clicks in the time for next level .")})
        rules->SetCaption(
            ToText(Concat(Concat(Text(rules->Caption()), Text(line)), Text(CharOf(13)))));
    PrepareLevel();
}

void Form1::PrepareLevel()
{
    Module1 &record = m_program.record();
    MDIForm1 &frame = m_program.mainWindow();
    if (!frame.Guiden.Checked())
        record.TotalScore =
            Add(record.TotalScore, Multiply(record.RightClicks, record.InstallerLevel));
    SetCaption(tr("Level: %1").arg(ToText(record.InstallerLevel)));
    record.RightClicks = Integer(0);
    Form1Controls &c = ui();
    c.Timer1->setInterval(shufflePeriod(record.InstallerLevel));
    c.Timer1->stop();
    c.Timer2->stop();
    c.Command4->setVisible(true);
    c.Command1->setVisible(false);
    c.Command2->setVisible(false);
    c.Command3->setVisible(false);
    record.TimeUsed = Integer(0);

    if (Greater(record.InstallerLevel, Integer(1))) {
        const QString finished = ToText(Subtract(record.InstallerLevel, Integer(1)));
        QString message;
        if (Less(record.InstallerLevel, Integer(4))) {
            message = tr("You finished level %1.Get ready for the next one!").arg(finished);
        } else {
            message = tr("You have completed this module!");
            frame.Guiden.SetChecked(true);
            Hide();
            record.InstallerLevel = Integer(0);
        }
        m_program.ShowMessage(message);
        if (!isLoaded())
            return;
    }
    ui().Label2->SetCaption(remainingTimeText(timeLimit(record.InstallerLevel)));
}

void Form1::ShuffleButtons()
{
    Module1 &record = m_program.record();
    ui().Label2->SetCaption(
        remainingTimeText(Subtract(timeLimit(record.InstallerLevel), record.TimeUsed)));
    if (Greater(record.RightClicks, Integer(14))) {
        record.InstallerLevel = Add(record.InstallerLevel, Integer(1));
        PrepareLevel();
        if (!isLoaded())
            return;
    }
    const Variant k = m_program.reseedAndDrawFrom1To(3);
    const Arrangement captions = arrangementFor(k);
    Form1Controls &c = ui();
    c.Command1->setText(captions[0]);
    c.Command2->setText(captions[1]);
    c.Command3->setText(captions[2]);
}

void Form1::Command4_Click()
{
    Form1Controls &c = ui();
    c.Command4->setVisible(false);
    c.Command1->setVisible(true);
    c.Command2->setVisible(true);
    c.Command3->setVisible(true);
    c.Timer1->start();
    c.Timer2->start();
    ShuffleButtons();
}

void Form1::Command1_Click()
{
    drillButtonClicked(*ui().Command1);
}
void Form1::Command2_Click()
{
    drillButtonClicked(*ui().Command2);
}
void Form1::Command3_Click()
{
    drillButtonClicked(*ui().Command3);
}

void Form1::drillButtonClicked(const QPushButton &button)
{
    Module1 &record = m_program.record();
    if (Equal(Text(button.text()), Text(nextCaption()))) {
        record.RightClicks = Add(record.RightClicks, Integer(1));
        record.TimeUsed = Subtract(record.TimeUsed, Integer(5));
    } else {
        record.TimeUsed = Add(record.TimeUsed, Integer(10));
    }
    ShuffleButtons();
}

void Form1::Timer1_Timer()
{
    ShuffleButtons();
}

void Form1::Timer2_Timer()
{
    Module1 &record = m_program.record();
    record.TimeUsed = Add(record.TimeUsed, Integer(1));
    const Variant limit = timeLimit(record.InstallerLevel);
    ui().Label2->SetCaption(remainingTimeText(Subtract(limit, record.TimeUsed)));
    if (GreaterOrEqual(record.TimeUsed,
                       Subtract(limit, Multiply(Integer(10), record.InstallerLevel)))) {
        // Qt keeps ticking while the box is open; the time-out must be reported once.
        ui().Timer1->stop();
        ui().Timer2->stop();
        m_program.ShowMessage(
            tr("Time's out biatch! You scored %1 of 15.").arg(ToText(record.RightClicks)));
        record.RightClicks = Integer(0);
        record.InstallerLevel = Integer(1);
        Unload();
        Hide();
    }
    m_program.mainWindow().SetCaption(programTitle());
}
