#pragma once

#include <QRect>
#include <QString>

#include <initializer_list>
#include <utility>

class QFont;
class QGroupBox;
class QLabel;
class QObject;
class QPixmap;
class QWidget;

// Controls that look the same in every window that has them.

// Gives each control its design name as its object name, so that tests and
// accessibility tools find it by the name the window's code uses.
void nameControls(std::initializer_list<std::pair<QObject *, const char *>> controls);

// A picture box that draws its picture (with the given drawing) when it is
// first shown, for the pixel ratio of its screen.
QLabel *designPicture(QWidget *parent, const QRect &geometry, QPixmap (*draw)(qreal pixelRatio));

// The picture box on the left of the drill windows, showing the banner.
QLabel *bannerPicture(QWidget *client, const QRect &geometry);

// A frame with its caption set into the top line, so that controls placed at
// the design's offsets sit inside it rather than under the caption.
QGroupBox *designFrame(QWidget *parent, const QString &caption, const QRect &geometry,
                       const QFont &font);
