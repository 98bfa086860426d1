#include "form2.h"

#include "accessibility.h"
#include "design.h"
#include "designcontrols.h"
#include "label.h"
#include "mdiform1.h"
#include "program.h"
#include "textbox.h"
#include "valuerules.h"

#include <QApplication>
#include <QGroupBox>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <array>

namespace {

// "SCORE: 1000" is wider than the design's 2535 twips, and a wrapped score would fall
// below the label, out of sight: the score stays on one line and reaches to the
// window's right edge and, for the widest scores, back to where the labels beside it end.
constexpr int ScoreWidth = 9690 - 6840;
constexpr int ScoreLeftmost = 2520 + 4095;

const std::array<const char *, 3> Sentences = {
    QT_TRANSLATE_NOOP(
        "Form2", "A brown fox jumps over the river, which has been polluted by the acid rains."),
    QT_TRANSLATE_NOOP("Form2", "A white man said that the yellow banana was rotten. The asian girl "
                               "said, no it is not rotten!"),
    QT_TRANSLATE_NOOP("Form2",
                      "A green basket on the green man had a green stick in his green hand "
                      "and the green light said, May it be yellow!"),
};

// A sentence number drawn as IntPart(RandomUnit() x 3) + 1.
QString sentence(const Variant &number)
{
    const auto index = static_cast<std::size_t>(number.toDouble()) - 1;
    return Form2::tr(Sentences.at(std::min<std::size_t>(index, Sentences.size() - 1)));
}

} // namespace

Form2Controls::Form2Controls(QWidget *client)
    : Picture1(bannerPicture(client, {120, 120, 2295, 4575})),
      Frame1(designFrame(client, "Frame1", Form2::tr("Please retype the following text"),
                         {2520, 120, 7095, 1455}, designFont("Verdana", 6.75))),
      Label1(designLabel(Frame1, "Label1",
                         Form2::tr("Just try to retype the text shown in this frame in the "
                                   "textbox below."),
                         {120, 240, 6855, 1095}, designFont("Verdana", 8.25), WordWrap::Yes)),
      Label2(designLabel(client, "Label2", Form2::tr("Elapsed time:"), {2520, 1680, 4095, 255},
                         designFont("Verdana", 8.25), WordWrap::Yes)),
      Label4(designLabel(client, "Label4", Form2::tr("Chars / second:"), {2520, 1920, 4095, 255},
                         designFont("Verdana", 8.25), WordWrap::Yes)),
      // Built before Command1 so that the button covers it until START hides the button.
      Label3(designLabel(client, "Label3", Form2::tr("SCORE:"), {6840, 1680, ScoreWidth, 495},
                         designFont("Arial", 20.25))),
      Command1(designButton(client, "Command1", Form2::tr("START"), {6840, 1680, 1695, 495},
                            designFont("Verdana", 14.25))),
      Text1(placed(new TextBox(client), "Text1", {2520, 2280, 7095, 2415})),
      startTimer(designTimer(client, "startTimer", 1000, Qt::PreciseTimer))
{
    // The frame's caption colour would pass on to the label inside, which keeps the usual one.
    setDesignColour(Frame1, QPalette::WindowText,
                    QApplication::palette().color(QPalette::Highlight));
    Label1->SetForeColour(QApplication::palette().color(QPalette::WindowText));

    Label3->SetForeColour(colourOf(RgbColour(255, 0, 0)));
    Label3->keepOnOneLine(pixels(ScoreLeftmost));

    setDesignColour(Command1, QPalette::Button, colourOf(RgbColour(224, 224, 224)));
    Command1->setToolTip(Form2::tr("Press this button to start the exercise!"));

    setDesignColour(Text1, QPalette::Base, colourOf(RgbColour(224, 224, 224)));
    QWidget::setTabOrder(Text1, Command1);

    speak({{Text1, Form2::tr("Typing box"), Form2::tr("Retype the sentence here")},
           {Label1, QString(), Form2::tr("Sentence to retype")}});
}

Form2::Form2(Program &program)
    : Form(program, WindowDesign{tr("Module 2: Typing"), QSize(9690, 4860),
                                 WindowDesign::Border::Fixed, true})
{
}

void Form2::connectControls(Form2Controls &controls)
{
    on(controls.Command1, &QPushButton::clicked, [this] { Command1_Click(); });
    on(controls.startTimer, &QTimer::timeout, [this] { startTimer_Timer(); });
    on(controls.Text1, &TextBox::Change, [this] { Text1_Change(); });
}

void Form2::Form_Load()
{
    ui().Text1->setEnabled(false);
}

void Form2::Command1_Click()
{
    ui().Command1->setVisible(false);
    ui().Text1->setEnabled(true);
    const Variant k = m_program.reseedAndDrawFrom1To(3);
    ui().Label1->SetCaption(sentence(k));
    ui().startTimer->start();
}

void Form2::startTimer_Timer()
{
    countUp(TypingSeconds);

    // A Double carries the length, so that no text is too long to count.
    const Variant n = Double(double(ui().Text1->TextLength()));
    const Variant rate = Divide(n, Integer(TypingSeconds));
    const Variant whole = IntPart(rate);
    ui().Label4->SetCaption(tr("Chars / second: %1").arg(ToText(whole)));

    const Variant r = m_program.reseedAndDrawFrom1To(5);
    if (Equal(r, Integer(3))) {
        const Variant c = m_program.reseedAndDrawFrom1To(128);
        ui().Text1->SetText(ui().Text1->Text() + CharOf(int(c.toDouble())));
        // The appended character completed the drill and the window has closed.
        if (!isLoaded())
            return;
    }

    ui().Label2->SetCaption(tr("Elapsed time: %1 seconds").arg(ToText(Integer(TypingSeconds))));
    TypingScore = RoundToInteger(Multiply(Subtract(Integer(200), Integer(TypingSeconds)), whole));
    ui().Label3->SetCaption(tr("SCORE: %1").arg(ToText(Integer(TypingScore))));
}

void Form2::Text1_Change()
{
    if (!ui().Text1->textEquals(ui().Label1->Caption()))
        return;
    // Ticks go on while the message is open and change the score that is added after it.
    m_program.ShowMessage(tr("You have completed this module!"));
    m_program.mainWindow().mnuTyping.SetChecked(true);
    Module1 &record = m_program.record();
    record.TotalScore = Add(record.TotalScore, Integer(TypingScore));
    Unload();
}
