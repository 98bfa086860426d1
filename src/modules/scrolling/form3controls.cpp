#include "form3controls.h"

#include "accessibility.h"
#include "design.h"
#include "designcontrols.h"
#include "label.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

#include <utility>

namespace {

constexpr int BarTop = 240;
constexpr int BarWidth = 495;
constexpr int BarHeight = 4695;
constexpr int ValueLabelTop = 5040;

// A disabled bar from 0 (thumb at the top) to 10 (at the bottom). An arrow, a
// click in the trough, a key or a wheel notch moves it one step; a dragged thumb
// changes the value only when it is released.
QScrollBar *makeBar(QWidget *client, int left)
{
    auto *bar = new QScrollBar(Qt::Vertical, client);
    bar->setGeometry(twipsRect(left, BarTop, BarWidth, BarHeight));
    bar->setRange(0, 10);
    bar->setSingleStep(1);
    bar->setPageStep(1);
    bar->setTracking(false);
    bar->setFocusPolicy(Qt::WheelFocus);
    bar->setEnabled(false);
    return bar;
}

Label *makeValueLabel(QWidget *client, int left, int width, int height)
{
    auto *label = new Label(client);
    label->setGeometry(twipsRect(left, ValueLabelTop, width, height));
    label->setFont(designFont(QStringLiteral("Verdana"), 9.75, FontStyle::Bold));
    return label;
}

} // namespace

Form3Controls::Form3Controls(QWidget *client)
    : VScroll1(makeBar(client, 2520)), VScroll2(makeBar(client, 3120)),
      VScroll3(makeBar(client, 3720)), VScroll4(makeBar(client, 4320)),
      Label1(makeValueLabel(client, 2520, 615, 375)),
      Label2(makeValueLabel(client, 3120, 495, 375)),
      Label3(makeValueLabel(client, 3720, 615, 495)),
      Label4(makeValueLabel(client, 4320, 615, 375)),
      Command1(new QPushButton(QCoreApplication::translate("Form3", "START"), client)),
      Picture1(bannerPicture(client, twipsRect(120, 240, 2295, 4575))),
      Frame1(designFrame(client, QCoreApplication::translate("Form3", "Magic number"),
                         twipsRect(4920, 4920, 1695, 855),
                         designFont(QStringLiteral("Verdana"), 8.25))),
      Label5(new Label(Frame1)), Timer1(new QTimer(client))
{
    Command1->setGeometry(twipsRect(4920, 4560, 1695, 375));
    Command1->setFont(designFont(QStringLiteral("MS Sans Serif"), 12, FontStyle::Bold));

    Label5->setGeometry(twipsRect(480, 240, 735, 375));
    Label5->setFont(designFont(QStringLiteral("Verdana"), 12, FontStyle::Bold));

    Timer1->setInterval(1000);
    Timer1->setTimerType(Qt::PreciseTimer);

    // Tests and debugging tools find the controls by their design names.
    nameControls({{VScroll1, "VScroll1"},
                  {VScroll2, "VScroll2"},
                  {VScroll3, "VScroll3"},
                  {VScroll4, "VScroll4"},
                  {Label1, "Label1"},
                  {Label2, "Label2"},
                  {Label3, "Label3"},
                  {Label4, "Label4"},
                  {Command1, "Command1"},
                  {Picture1, "Picture1"},
                  {Frame1, "Frame1"},
                  {Label5, "Label5"},
                  {Timer1, "Timer1"}});

    // Each bar is read with the label that shows its value; the value labels and
    // the magic number keep their numbers as names, so that a change is announced.
    const auto barName = [](const char *text, int bar) {
        return QCoreApplication::translate("Form3", text).arg(bar);
    };
    speak({{VScroll1, barName(QT_TRANSLATE_NOOP("Form3", "Bar %1"), 1)},
           {VScroll2, barName(QT_TRANSLATE_NOOP("Form3", "Bar %1"), 2)},
           {VScroll3, barName(QT_TRANSLATE_NOOP("Form3", "Bar %1"), 3)},
           {VScroll4, barName(QT_TRANSLATE_NOOP("Form3", "Bar %1"), 4)},
           {Label1, QString(), barName(QT_TRANSLATE_NOOP("Form3", "Value of bar %1"), 1)},
           {Label2, QString(), barName(QT_TRANSLATE_NOOP("Form3", "Value of bar %1"), 2)},
           {Label3, QString(), barName(QT_TRANSLATE_NOOP("Form3", "Value of bar %1"), 3)},
           {Label4, QString(), barName(QT_TRANSLATE_NOOP("Form3", "Value of bar %1"), 4)},
           {Label5, QString(), QCoreApplication::translate("Form3", "Magic number")}});
    for (std::size_t i = 0; i < bars().size(); ++i)
        tieLabel(valueLabels()[i], bars()[i]);
}
