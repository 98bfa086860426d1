#include "picturesource.h"

#include <QPainter>
#include <QSvgRenderer>

#include <map>
#include <memory>

namespace {

// Each picture's SVG is read once per run, however many sizes are drawn from it
// (a window system may ask for every size of the icon at start).
QSvgRenderer &rendererFor(const QString &name)
{
    static std::map<QString, std::unique_ptr<QSvgRenderer>> renderers;
    std::unique_ptr<QSvgRenderer> &renderer = renderers[name];
    if (!renderer)
        renderer = std::make_unique<QSvgRenderer>(QStringLiteral(":/thornax/%1.svg").arg(name));
    return *renderer;
}

} // namespace

QPixmap drawPicture(const QString &name, QSize size, qreal pixelRatio)
{
    QPixmap pixmap((QSizeF(size) * pixelRatio).toSize());
    pixmap.setDevicePixelRatio(pixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    rendererFor(name).render(&painter, QRectF(QPointF(0, 0), size));
    return pixmap;
}
