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

namespace {

QPushButton *CommandButton(QWidget *parent, const QString &caption, const QRect &rect, qreal points)
{
    auto *button = new QPushButton(caption, parent);
    button->setGeometry(rect);
    button->setFont(DesignFont(QStringLiteral("Verdana"), points));
    return button;
}

Label *TextLabel(QWidget *parent, const QString &caption, const QRect &rect)
{
    auto *label = new Label(parent, caption);
    label->setGeometry(rect);
    label->setFont(DesignFont(QStringLiteral("Verdana"), 8.25));
    label->setWordWrap(true);
    return label;
}

QTimer *DesignTimer(QWidget *parent, Qt::TimerType type)
{
    auto *timer = new QTimer(parent);
    timer->setInterval(100);
    timer->setTimerType(type);
    return timer;
}

} // namespace

Form1Controls::Form1Controls(QWidget *client)
    : Picture1(BannerPicture(client, TwipsRect(240, 120, 2295, 4575))),
      Frame1(DesignFrame(client, QString(), TwipsRect(2640, 120, 3495, 3975), QFont())),
      Label1(TextLabel(Frame1, QString(), TwipsRect(120, 240, 3255, 3375))),
      Command4(CommandButton(client, Form1::tr("START"), TwipsRect(2760, 4200, 3135, 495), 18)),
      Command1(CommandButton(client, QStringLiteral("?"), TwipsRect(240, 4920, 1215, 375), 8.25)),
      Command2(CommandButton(client, QStringLiteral("?"), TwipsRect(2400, 4920, 1215, 375), 8.25)),
      Command3(CommandButton(client, QStringLiteral("?"), TwipsRect(4680, 4920, 1215, 375), 8.25)),
      Label2(TextLabel(client, Form1::tr("Remaining time:"), TwipsRect(240, 5400, 4455, 255))),
      Timer1(DesignTimer(client, Qt::CoarseTimer)),
      // Its ticks are the seconds the user sees running out.
      Timer2(DesignTimer(client, Qt::PreciseTimer))
{
    NameControls({{Picture1, "Picture1"},
                  {Frame1, "Frame1"},
                  {Label1, "Label1"},
                  {Command4, "Command4"},
                  {Command1, "Command1"},
                  {Command2, "Command2"},
                  {Command3, "Command3"},
                  {Label2, "Label2"},
                  {Timer1, "Timer1"},
                  {Timer2, "Timer2"}});
    Speak({{Frame1, Form1::tr("Rules")},
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

void Form1::ConnectControls(Form1Controls &c)
{
    On(c.Command1, &QPushButton::clicked, [this] { Command1_Click(); });
    On(c.Command2, &QPushButton::clicked, [this] { Command2_Click(); });
    On(c.Command3, &QPushButton::clicked, [this] { Command3_Click(); });
    On(c.Command4, &QPushButton::clicked, [this] { Command4_Click(); });
    On(c.Timer1, &QTimer::timeout, [this] { Timer1_Timer(); });
    On(c.Timer2, &QTimer::timeout, [this] { Timer2_Timer(); });
}

void Form1::Form_Load()
{
    Label *rules = ui().Label1;
    for (const QString &line : {tr("The rules are simple, just hit the [Next] button."),
                                tr("If you click wrong, time will be removed."),
                                tr("15 right clicks in the time for next level .")})
        rules->SetCaption(
            Concat(Concat(Text(rules->Caption()), Text(line)), Text(CharOf(13))).toText());
    PrepareLevel();
}

void Form1::PrepareLevel()
{
    Module1 &record = m_program.record();
    MDIForm1 &frame = m_program.mainWindow();
    if (!frame.Guiden.Checked())
        record.TotalScore =
            Add(record.TotalScore, Multiply(record.RightClicks, record.InstallerLevel));
    SetCaption(tr("Level: %1").arg(record.InstallerLevel.toText()));
    record.RightClicks = Integer(0);
    Form1Controls &c = ui();
    c.Timer1->setInterval(ShufflePeriod(record.InstallerLevel));
    c.Timer1->stop();
    c.Timer2->stop();
    c.Command4->setVisible(true);
    c.Command1->setVisible(false);
    c.Command2->setVisible(false);
    c.Command3->setVisible(false);
    record.TimeUsed = Integer(0);

    if (Greater(record.InstallerLevel, Integer(1))) {
        const QString finished = Subtract(record.InstallerLevel, Integer(1)).toText();
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
        if (!IsLoaded())
            return;
    }
    ui().Label2->SetCaption(RemainingTimeText(TimeLimit(record.InstallerLevel)));
}

void Form1::ShuffleButtons()
{
    Module1 &record = m_program.record();
    ui().Label2->SetCaption(
        RemainingTimeText(Subtract(TimeLimit(record.InstallerLevel), record.TimeUsed)));
    if (Greater(record.RightClicks, Integer(14))) {
        record.InstallerLevel = Add(record.InstallerLevel, Integer(1));
        PrepareLevel();
        if (!IsLoaded())
            return;
    }
    m_program.Reseed(m_program.SecondsSinceMidnight());
    const Variant k = m_program.DrawFrom1To(3);
    const Arrangement captions = ArrangementFor(k);
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
    DrillButton_Click(*ui().Command1);
}
void Form1::Command2_Click()
{
    DrillButton_Click(*ui().Command2);
}
void Form1::Command3_Click()
{
    DrillButton_Click(*ui().Command3);
}

void Form1::DrillButton_Click(const QPushButton &button)
{
    Module1 &record = m_program.record();
    if (Equal(Text(button.text()), Text(NextCaption()))) {
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
    const Variant limit = TimeLimit(record.InstallerLevel);
    ui().Label2->SetCaption(RemainingTimeText(Subtract(limit, record.TimeUsed)));
    if (GreaterOrEqual(record.TimeUsed,
                       Subtract(limit, Multiply(Integer(10), record.InstallerLevel)))) {
        // Qt keeps ticking while the box is open; the time-out must be reported once.
        ui().Timer1->stop();
        ui().Timer2->stop();
        m_program.ShowMessage(
            tr("Time's out biatch! You scored %1 of 15.").arg(record.RightClicks.toText()));
        record.RightClicks = Integer(0);
        record.InstallerLevel = Integer(1);
        Unload();
        Hide();
    }
    m_program.mainWindow().SetCaption(ProgramTitle());
}
