#include "pictures.h"

#include <QGuiApplication>
#include <QPainter>
#include <QSvgRenderer>

namespace {

QPixmap Render(const QString &resource, QSize size, qreal scale)
{
    QPixmap pixmap(size * scale);
    pixmap.setDevicePixelRatio(scale);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(resource);
    QPainter painter(&pixmap);
    renderer.render(&painter, QRectF(QPointF(0, 0), size));
    return pixmap;
}

qreal ScreenScale()
{
    return qApp ? qApp->devicePixelRatio() : 1.0;
}

} // namespace

QIcon ProgramIcon()
{
    QIcon icon;
    for (int side : {16, 24, 32, 48})
        icon.addPixmap(Render(QStringLiteral(":/thornax/icon.svg"), QSize(side, side), 1.0));
    return icon;
}

QPixmap Banner()
{
    return Render(QStringLiteral(":/thornax/banner.svg"), QSize(150, 300), ScreenScale());
}

QPixmap Medal()
{
    return Render(QStringLiteral(":/thornax/medal.svg"), QSize(256, 256), ScreenScale());
}
