#pragma once

#include <QRect>
#include <QString>

class QFont;
class QGroupBox;
class QLabel;
class QWidget;

// Controls that look the same in every window that has them.

// The picture box on the left of the drill windows, showing the banner.
QLabel *BannerPicture(QWidget *client, const QRect &geometry);

// A frame with its caption set into the top line, so that controls placed at
// the design's offsets sit inside it rather than under the caption.
QGroupBox *DesignFrame(QWidget *parent, const QString &caption, const QRect &geometry,
                       const QFont &font);
