#include "colours.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QLineEdit>
#include <QWidget>

#include <cmath>

namespace {

double Luminance(const QColor &colour)
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

TextRoles RolesOf(const QWidget *control)
{
    if (qobject_cast<const QAbstractButton *>(control))
        return {QPalette::ButtonText, QPalette::Button};
    if (qobject_cast<const QLineEdit *>(control) ||
        qobject_cast<const QAbstractScrollArea *>(control))
        return {QPalette::Text, QPalette::Base};
    return {QPalette::WindowText, QPalette::Window};
}

void SetColour(QWidget *control, QPalette::ColorRole role, const QColor &colour)
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
QColor MovedUntilReadable(const QColor &colour, const QColor &background, double needed)
{
    needed += 0.2;
    const bool lighten = Luminance(background) < 0.18;
    QColor moved = colour.toHsl();
    for (int step = 0; step < 255 && ContrastRatio(moved, background) < needed; ++step) {
        const int lightness = qBound(0, moved.lightness() + (lighten ? 1 : -1), 255);
        moved.setHsl(moved.hslHue(), moved.hslSaturation(), lightness);
    }
    return moved.toRgb();
}

} // namespace

double ContrastRatio(const QColor &first, const QColor &second)
{
    const double a = Luminance(first) + 0.05;
    const double b = Luminance(second) + 0.05;
    return a > b ? a / b : b / a;
}

double ReadableContrast(const QFont &font)
{
    const qreal points = font.pointSizeF();
    const bool large = points >= 18 || (font.bold() && points >= 14);
    return large ? 3.0 : 4.5;
}

bool IsDark(const QPalette &palette)
{
    return Luminance(palette.color(QPalette::Window)) <
           Luminance(palette.color(QPalette::WindowText));
}

QColor ResolvedTextColour(const QColor &designed, TextMeaning meaning, const QColor &background,
                          const QFont &font, const QPalette &palette)
{
    // The design's colours were chosen for a light desktop, its low-contrast ones included.
    if (!IsDark(palette))
        return designed;
    const QColor chosen =
        meaning == TextMeaning::Plain ? palette.color(QPalette::WindowText) : designed;
    return MovedUntilReadable(chosen, background, ReadableContrast(font));
}

void SetTextColour(QWidget *control, const QColor &designed, TextMeaning meaning)
{
    const TextRoles roles = RolesOf(control);
    const QPalette palette = control->palette();
    const QColor background = palette.color(roles.face);
    // The theme's own colours, as they are before this control's are fixed.
    const QPalette theme = QApplication::palette(control);
    SetColour(control, roles.text,
              ResolvedTextColour(designed, meaning, background, control->font(), theme));
}

void SetFaceColour(QWidget *control, const QColor &face, const QColor &text)
{
    const TextRoles roles = RolesOf(control);
    SetColour(control, roles.face, face);
    SetColour(control, roles.text, text);
}
