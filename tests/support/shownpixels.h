#pragma once

#include <QColor>
#include <QRect>

class QImage;
class QLabel;
class QWidget;

// What a grabbed picture shows of a text: the background is the commonest
// colour in the area, the ink the pixel that stands out most from it.
struct ShownText
{
    QColor background;
    QColor ink;
    double contrast = 1;
};
ShownText measureText(const QImage &picture, const QRect &area);

// The smallest rectangle holding every pixel of the picture close to the colour.
QRect inkBounds(const QImage &picture, const QColor &colour);

// Where a control draws its text, in the coordinates of `window`: inside a
// frame's caption, a label's contents, a button's or a box's face.
QRect textArea(const QWidget *control, const QWidget *window);

// Whether the label shows all of its text: laid out as the label lays it out,
// the text fits inside the label, and inside the label's parent.
bool showsWholeText(const QLabel *label);
