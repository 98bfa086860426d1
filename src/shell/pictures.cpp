#include "pictures.h"

#include <QGuiApplication>
#include <QPainter>
#include <QSvgRenderer>

namespace {

QPixmap Render(QSvgRenderer &renderer, QSize size, qreal scale)
{
    QPixmap pixmap(size * scale);
    pixmap.setDevicePixelRatio(scale);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter, QRectF(QPointF(0, 0), size));
    return pixmap;
}

QPixmap Render(const QString &resource, QSize size, qreal scale)
{
    QSvgRenderer renderer(resource);
    return Render(renderer, size, scale);
}

qreal ScreenScale()
{
    return qApp ? qApp->devicePixelRatio() : 1.0;
}

// Drawing a picture costs more than building the window that shows it, and the
// icon and banner appear on several windows: each is drawn once per run. The
// copies go before the application does, as pixmaps must.
struct DrawnPictures
{
    QIcon icon;
    QPixmap banner;
};

DrawnPictures *drawn = nullptr;

DrawnPictures &Drawn()
{
    if (!drawn) {
        drawn = new DrawnPictures;
        qAddPostRoutine([] {
            delete drawn;
            drawn = nullptr;
        });
    }
    return *drawn;
}

} // namespace

QIcon ProgramIcon()
{
    QIcon &icon = Drawn().icon;
    if (icon.isNull()) {
        QSvgRenderer renderer(QStringLiteral(":/thornax/icon.svg"));
        for (int side : {16, 24, 32, 48})
            icon.addPixmap(Render(renderer, QSize(side, side), 1.0));
    }
    return icon;
}

QPixmap Banner()
{
    QPixmap &banner = Drawn().banner;
    if (banner.isNull())
        banner = Render(QStringLiteral(":/thornax/banner.svg"), QSize(150, 300), ScreenScale());
    return banner;
}

QPixmap Medal()
{
    return Render(QStringLiteral(":/thornax/medal.svg"), QSize(256, 256), ScreenScale());
}
