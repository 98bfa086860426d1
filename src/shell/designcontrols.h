#pragma once

#include "design.h"

#include <QPalette>
#include <QRect>
#include <QString>

class Label;
class QColor;
class QFont;
class QGroupBox;
class QLabel;
class QObject;
class QPixmap;
class QPushButton;
class QTimer;
class QWidget;

// The kit every window builds its controls with: a control is placed where the
// window design puts it (in twips), gets its design font and colours, and is
// named by its design name, which tests and accessibility tools find it by.

// A control's place as the window design gives it: Left, Top, Width, Height in twips.
struct TwipsPlace
{
    int left, top, width, height;
    QRect pixels() const { return twipsRect(left, top, width, height); }
};

// Gives the control its design name as its object name.
template<class Control> Control *named(Control *control, const char *name)
{
    control->setObjectName(QLatin1String(name));
    return control;
}

// Names the control and puts it in its place.
template<class Control> Control *placed(Control *control, const char *name, TwipsPlace place)
{
    control->setGeometry(place.pixels());
    return named(control, name);
}

// Sets a design colour of the control; the one place where windows colour their controls.
void setDesignColour(QWidget *control, QPalette::ColorRole role, const QColor &colour);
// The control paints its own background, in the design colour.
void fillDesignBackground(QWidget *control, const QColor &colour);

enum class WordWrap { No, Yes };

// A label with its caption, place and font.
Label *designLabel(QWidget *parent, const char *name, const QString &caption, TwipsPlace place,
                   const QFont &font, WordWrap wrap = WordWrap::No);

// A command button with its caption, place and font.
QPushButton *designButton(QWidget *parent, const char *name, const QString &caption,
                          TwipsPlace place, const QFont &font);

// A stopped timer with its interval in milliseconds.
QTimer *designTimer(QObject *parent, const char *name, int interval,
                    Qt::TimerType type = Qt::CoarseTimer);

// A picture box that draws its picture (with the given drawing) when it is
// first shown, for the pixel ratio of its screen.
QLabel *designPicture(QWidget *parent, const char *name, TwipsPlace place,
                      QPixmap (*draw)(qreal pixelRatio));

// The picture box Picture1 on the left of the drill windows, showing the banner.
QLabel *bannerPicture(QWidget *client, TwipsPlace place);

// A frame with its caption set into the top line, so that controls placed at
// the design's offsets sit inside it rather than under the caption.
QGroupBox *designFrame(QWidget *parent, const char *name, const QString &caption, TwipsPlace place,
                       const QFont &font);
