#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QSize>

// Window designs are measured in twips, 15 to a device-independent pixel; Qt's
// high-DPI scaling takes it from there.
constexpr int TwipsPerPixel = 15;

constexpr int pixels(int twips)
{
    return (twips >= 0 ? twips + TwipsPerPixel / 2 : twips - TwipsPerPixel / 2) / TwipsPerPixel;
}
constexpr int twips(int pixels)
{
    return pixels * TwipsPerPixel;
}

inline QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(pixels(left), pixels(top), pixels(width), pixels(height));
}
inline QSize twipsSize(int width, int height)
{
    return QSize(pixels(width), pixels(height));
}

enum class FontStyle { Regular, Bold, Italic, BoldItalic };

// A font as a window design names it, e.g. designFont("Verdana", 8.25).
QFont designFont(const QString &family, qreal points, FontStyle style = FontStyle::Regular);

// Makes the design's font names resolve to metric-compatible fonts where the
// named ones are not installed. Called once before the first window is built.
void installFontSubstitutes();

// A colour from its red + 256 x green + 65536 x blue value.
QColor colourOf(int rgb);

// The background of the frame's client area, also used by windows that blend into it.
QColor applicationWorkspaceColour();
