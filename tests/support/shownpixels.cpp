#include "shownpixels.h"

#include "colours.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QHash>
#include <QImage>
#include <QLabel>
#include <QStyle>
#include <QStyleOptionGroupBox>

#include <cstdlib>

ShownText measureText(const QImage &picture, const QRect &area)
{
    QHash<QRgb, int> counts;
    const QRect inside = area & picture.rect();
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            ++counts[picture.pixel(x, y) | 0xFF000000];
    ShownText shown;
    int most = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > most) {
            most = it.value();
            shown.background = QColor(it.key());
        }
    }
    shown.ink = shown.background;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        const double contrast = contrastRatio(QColor(it.key()), shown.background);
        if (contrast > shown.contrast) {
            shown.contrast = contrast;
            shown.ink = QColor(it.key());
        }
    }
    return shown;
}

QRect inkBounds(const QImage &picture, const QColor &colour)
{
    constexpr int Tolerance = 60;
    QRect bounds;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QColor pixel = picture.pixelColor(x, y);
            if (std::abs(pixel.red() - colour.red()) + std::abs(pixel.green() - colour.green()) +
                    std::abs(pixel.blue() - colour.blue()) <=
                Tolerance)
                bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

QRect textArea(const QWidget *control, const QWidget *window)
{
    QRect area = control->rect();
    if (const auto *frame = qobject_cast<const QGroupBox *>(control)) {
        QStyleOptionGroupBox option;
        option.initFrom(frame);
        option.text = frame->title();
        option.subControls = QStyle::SC_GroupBoxLabel;
        area = frame->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                              QStyle::SC_GroupBoxLabel, frame);
    } else if (const auto *label = qobject_cast<const QLabel *>(control)) {
        // The text's own lines: the score panel's outline crosses its label.
        const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
        area = label->fontMetrics().boundingRect(label->contentsRect(), flags, label->text());
    } else {
        // Past the bevel or frame, which is no part of the text.
        area = area.adjusted(4, 4, -4, -4);
    }
    return QRect(control->mapTo(window, area.topLeft()), area.size());
}

bool showsWholeText(const QLabel *label)
{
    const QRect contents = label->contentsRect();
    const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
    const QRect needed = label->fontMetrics().boundingRect(contents, flags, label->text());
    return contents.contains(needed) &&
           label->parentWidget()->rect().contains(needed.translated(label->pos()));
}
