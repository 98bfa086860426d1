#include "design.h"

#include <QApplication>
#include <QPalette>

QFont designFont(const QString &family, qreal points, FontStyle style)
{
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(style == FontStyle::Bold || style == FontStyle::BoldItalic);
    font.setItalic(style == FontStyle::Italic || style == FontStyle::BoldItalic);
    return font;
}

void installFontSubstitutes()
{
    // Liberation matches the metrics of the sans and serif designs; DejaVu Sans
    // grew from the family that Verdana's proportions belong to.
    QFont::insertSubstitutions(QStringLiteral("Verdana"), {QStringLiteral("DejaVu Sans"),
                                                           QStringLiteral("Bitstream Vera Sans")});
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    QFont::insertSubstitutions(QStringLiteral("Arial"), {QStringLiteral("Liberation Sans")});
    QFont::insertSubstitutions(QStringLiteral("Times New Roman"),
                               {QStringLiteral("Liberation Serif")});
}

QColor colourOf(int rgb)
{
    return QColor(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
}

QColor applicationWorkspaceColour()
{
    return QApplication::palette().color(QPalette::Dark);
}
