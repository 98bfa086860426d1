#pragma once

#include <QColor>
#include <QPalette>

class QFont;
class QWidget;

// The design fixes some colours and leaves the others to the desktop's theme.
// Where the two meet in one text/background pair, the pair is resolved here,
// for every window alike (the kit's setDesignColour asks for it). On a light
// palette, the kind the design was drawn for, every colour stays exactly as
// designed. On a dark palette a design colour that reads stays; a face the
// design fixes gets dark text when the theme's light text would not read on
// it; a grey that stands for normal text takes the theme's text colour; and a
// colour that signals something keeps its hue and is lightened until it reads.

// The contrast of two colours as the eye reads them, from 1 (the same) to 21
// (black and white), after the usual formula of relative luminance.
double contrastRatio(const QColor &first, const QColor &second);

// The contrast a text in the font needs: 3 for large text (18 pt, or 14 pt
// bold), 4.5 for the rest.
double readableContrast(const QFont &font);

// Whether the palette draws light text on dark windows.
bool isDark(const QPalette &palette);

// The colour for a text the design gives in `designed` on `background`, in the
// theme's `palette`.
QColor resolvedTextColour(const QColor &designed, const QColor &background, const QFont &font,
                          const QPalette &palette);

// The control's palette with the design colour in the role, and the pair it
// makes with its partner resolved as above.
QPalette designPalette(const QWidget *control, QPalette::ColorRole role, const QColor &colour);
