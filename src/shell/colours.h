#pragma once

#include <QColor>
#include <QPalette>

class QFont;
class QWidget;

// The design fixes some colours and leaves the others to the desktop's theme.
// Where the two meet in one text/background pair, the pair is resolved here,
// for every window alike. On a light palette, the kind the design was drawn
// for, every colour stays exactly as designed. On a dark palette a dark-on-light
// face keeps its dark text, normal text follows the theme, and a colour that
// signals something keeps its hue and is lightened until it reads.

// How the text colours a design fixes are meant.
enum class TextMeaning {
    // Normal text in the design's own shade, e.g. black or a dark grey.
    Plain,
    // A colour that says something, e.g. a red score or an on-target green.
    Signal,
};

// The contrast of two colours as the eye reads them, from 1 (the same) to 21
// (black and white), after the usual formula of relative luminance.
double contrastRatio(const QColor &first, const QColor &second);

// The contrast a text in the font needs: 3 for large text (18 pt, or 14 pt
// bold), 4.5 for the rest.
double readableContrast(const QFont &font);

// Whether the palette draws light text on dark windows.
bool isDark(const QPalette &palette);

// The colour for a text designed in `designed` on `background`, in `palette`.
QColor resolvedTextColour(const QColor &designed, TextMeaning meaning, const QColor &background,
                          const QFont &font, const QPalette &palette);

// Gives the control's text the designed colour as resolved against what is
// behind it; set the control's background and font first.
void setTextColour(QWidget *control, const QColor &designed, TextMeaning meaning);

// Gives the control a face colour of the design (a light box, a grey button),
// with `text` on it in every palette: a dark theme's light text never lands on
// a light face. The default is the design's dark text.
void setFaceColour(QWidget *control, const QColor &face, const QColor &text = Qt::black);
