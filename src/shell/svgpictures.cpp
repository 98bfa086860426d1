#include "picturesource.h"

#include <QPainter>
#include <QSvgRenderer>

QPixmap drawPicture(const QString &name, QSize size, qreal pixelRatio)
{
    QSvgRenderer renderer(QStringLiteral(":/thornax/%1.svg").arg(name));
    QPixmap pixmap((QSizeF(size) * pixelRatio).toSize());
    pixmap.setDevicePixelRatio(pixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter, QRectF(QPointF(0, 0), size));
    return pixmap;
}
