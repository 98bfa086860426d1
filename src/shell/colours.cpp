#include "colours.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QLineEdit>
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

// Where a control draws its text, and what it draws it on.
struct TextRoles
{
    QPalette::ColorRole text;
    QPalette::ColorRole face;
};

TextRoles rolesOf(const QWidget *control)
{
    if (qobject_cast<const QAbstractButton *>(control))
        return {QPalette::ButtonText, QPalette::Button};
    if (qobject_cast<const QLineEdit *>(control) ||
        qobject_cast<const QAbstractScrollArea *>(control))
        return {QPalette::Text, QPalette::Base};
    return {QPalette::WindowText, QPalette::Window};
}

void setColour(QWidget *control, QPalette::ColorRole role, const QColor &colour)
{
    if (control->palette().color(role) == colour)
        return;
    QPalette palette = control->palette();
    palette.setColor(role, colour);
    control->setPalette(palette);
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

QColor resolvedTextColour(const QColor &designed, TextMeaning meaning, const QColor &background,
                          const QFont &font, const QPalette &palette)
{
    // The design's colours were chosen for a light desktop, its low-contrast ones included.
    if (!isDark(palette))
        return designed;
    const QColor chosen =
        meaning == TextMeaning::Plain ? palette.color(QPalette::WindowText) : designed;
    return movedUntilReadable(chosen, background, readableContrast(font));
}

void setTextColour(QWidget *control, const QColor &designed, TextMeaning meaning)
{
    const TextRoles roles = rolesOf(control);
    const QPalette palette = control->palette();
    const QColor background = palette.color(roles.face);
    // The theme's own colours, as they are before this control's are fixed.
    const QPalette theme = QApplication::palette(control);
    setColour(control, roles.text,
              resolvedTextColour(designed, meaning, background, control->font(), theme));
}

void setFaceColour(QWidget *control, const QColor &face, const QColor &text)
{
    const TextRoles roles = rolesOf(control);
    setColour(control, roles.face, face);
    setColour(control, roles.text, text);
}
