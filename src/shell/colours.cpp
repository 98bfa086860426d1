#include "colours.h"

#include <QApplication>
#include <QWidget>

#include <cmath>

namespace {

double luminance(const QColor &colour)
{
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) +
           0.0722 * linear(rgb.blueF());
}

// The text role drawn on each face role, and the other way round.
QPalette::ColorRole partnerOf(QPalette::ColorRole role)
{
    switch (role) {
    case QPalette::WindowText:
        return QPalette::Window;
    case QPalette::Window:
        return QPalette::WindowText;
    case QPalette::ButtonText:
        return QPalette::Button;
    case QPalette::Button:
        return QPalette::ButtonText;
    case QPalette::Text:
        return QPalette::Base;
    case QPalette::Base:
        return QPalette::Text;
    default:
        return QPalette::NoRole;
    }
}

bool isText(QPalette::ColorRole role)
{
    return role == QPalette::WindowText || role == QPalette::ButtonText || role == QPalette::Text;
}

// Black, white and the greys stand for normal text; a colour says something.
bool isPlain(const QColor &colour)
{
    return colour.toHsl().hslSaturation() < 40;
}

// The colour's hue and saturation, its lightness moved away from the
// background's step by step until the pair reads, with a margin for the
// softened edges of small letters.
QColor movedUntilReadable(const QColor &colour, const QColor &background, double needed)
{
    needed += 0.2;
    const bool lighten = luminance(background) < 0.18;
    QColor moved = colour.toHsl();
    for (int step = 0; step < 255 && contrastRatio(moved, background) < needed; ++step) {
        const int lightness = qBound(0, moved.lightness() + (lighten ? 1 : -1), 255);
        moved.setHsl(moved.hslHue(), moved.hslSaturation(), lightness);
    }
    return moved.toRgb();
}

} // namespace

double contrastRatio(const QColor &first, const QColor &second)
{
    const double a = luminance(first) + 0.05;
    const double b = luminance(second) + 0.05;
    return a > b ? a / b : b / a;
}

double readableContrast(const QFont &font)
{
    const qreal points = font.pointSizeF();
    const bool large = points >= 18 || (font.bold() && points >= 14);
    return large ? 3.0 : 4.5;
}

bool isDark(const QPalette &palette)
{
    return luminance(palette.color(QPalette::Window)) <
           luminance(palette.color(QPalette::WindowText));
}

QColor resolvedTextColour(const QColor &designed, const QColor &background, const QFont &font,
                          const QPalette &palette)
{
    const double needed = readableContrast(font);
    // The design's colours were chosen for a light desktop, its low-contrast ones included.
    if (!isDark(palette) || contrastRatio(designed, background) >= needed)
        return designed;
    if (isPlain(designed)) {
        const QColor themeText = palette.color(QPalette::WindowText);
        if (contrastRatio(themeText, background) >= needed)
            return themeText;
    }
    return movedUntilReadable(designed, background, needed);
}

QPalette designPalette(const QWidget *control, QPalette::ColorRole role, const QColor &colour)
{
    QPalette palette = control->palette();
    // The theme's own colours, as they are before this control's are fixed.
    const QPalette theme = QApplication::palette(control);
    const QPalette::ColorRole partner = partnerOf(role);
    if (partner == QPalette::NoRole) {
        palette.setColor(role, colour);
    } else if (isText(role)) {
        palette.setColor(
            role, resolvedTextColour(colour, palette.color(partner), control->font(), theme));
    } else {
        palette.setColor(role, colour);
        // A light face keeps the design's dark text where the theme's would not read.
        const QColor text = palette.color(partner);
        if (isDark(theme) && contrastRatio(text, colour) < readableContrast(control->font()))
            palette.setColor(partner,
                             contrastRatio(Qt::black, colour) >= contrastRatio(Qt::white, colour)
                                 ? QColor(Qt::black)
                                 : QColor(Qt::white));
    }
    return palette;
}
