#include "picturesource.h"

#include <QtMath>

QPixmap drawPicture(const QString &name, QSize size, qreal pixelRatio)
{
    // The rendering for the next whole ratio up, so a picture is only ever
    // scaled down; past 3x the largest one is scaled up.
    const int rendered = qBound(1, qCeil(pixelRatio - 0.01), 3);
    const QString file = rendered == 1
                             ? QStringLiteral(":/thornax/%1.png").arg(name)
                             : QStringLiteral(":/thornax/%1@%2x.png").arg(name).arg(rendered);
    QPixmap pixmap(file);
    const QSize pixels = (QSizeF(size) * pixelRatio).toSize();
    if (!pixmap.isNull() && pixmap.size() != pixels)
        pixmap = pixmap.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    pixmap.setDevicePixelRatio(pixelRatio);
    return pixmap;
}
