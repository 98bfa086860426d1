#include "pictures.h"

#include <QGuiApplication>
#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <QSvgRenderer>

#include <memory>

namespace {

const QString IconSource = QStringLiteral(":/thornax/icon.svg");
constexpr int IconDesignSide = 48;

QPixmap render(QSvgRenderer &renderer, QSize size, qreal pixelRatio)
{
    QPixmap pixmap((QSizeF(size) * pixelRatio).toSize());
    pixmap.setDevicePixelRatio(pixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter, QRectF(QPointF(0, 0), size));
    return pixmap;
}

QPixmap render(const QString &resource, QSize size, qreal pixelRatio)
{
    QSvgRenderer renderer(resource);
    return render(renderer, size, pixelRatio);
}

qreal orApplicationRatio(qreal pixelRatio)
{
    if (pixelRatio > 0)
        return pixelRatio;
    return qApp ? qApp->devicePixelRatio() : 1.0;
}

// Draws the icon from its SVG for each pixel size asked for, once. A window
// system that wants every size (X11 puts them all in _NET_WM_ICON) gets them,
// and nobody else pays for the large ones.
class SvgIconEngine : public QIconEngine
{
public:
    explicit SvgIconEngine(QString resource) : m_resource(std::move(resource)) {}

    QPixmap pixmap(const QSize &size, QIcon::Mode, QIcon::State) override
    {
        const quint64 key = (quint64(size.width()) << 32) | quint32(size.height());
        auto drawn = m_drawn.constFind(key);
        if (drawn != m_drawn.cend())
            return *drawn;
        if (!m_renderer)
            m_renderer = std::make_unique<QSvgRenderer>(m_resource);
        return *m_drawn.insert(key, render(*m_renderer, size, 1.0));
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        QPixmap drawn = pixmap((QSizeF(rect.size()) * ratio).toSize(), mode, state);
        drawn.setDevicePixelRatio(ratio);
        painter->drawPixmap(rect.topLeft(), drawn);
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> sizes;
        for (int side : {16, 24, 32, 48, 64, 128, 256})
            sizes.append(QSize(side, side));
        return sizes;
    }

    QIconEngine *clone() const override { return new SvgIconEngine(m_resource); }
    QString key() const override { return QStringLiteral("ThornaxSvgIcon"); }

private:
    QString m_resource;
    std::unique_ptr<QSvgRenderer> m_renderer;
    QHash<quint64, QPixmap> m_drawn;
};

// The icon and banner appear on several windows: each is drawn once per run
// and pixel ratio. The copies go before the application does, as pixmaps must.
struct DrawnPictures
{
    QIcon icon;
    QPixmap banner;
};

DrawnPictures *drawn = nullptr;

DrawnPictures &drawnPictures()
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

QIcon programIcon()
{
    QIcon &icon = drawnPictures().icon;
    if (icon.isNull())
        icon = QIcon(new SvgIconEngine(IconSource));
    return icon;
}

QPixmap iconPicture(qreal pixelRatio)
{
    return programIcon().pixmap(QSize(IconDesignSide, IconDesignSide),
                                orApplicationRatio(pixelRatio));
}

QPixmap banner(qreal pixelRatio)
{
    QPixmap &banner = drawnPictures().banner;
    if (banner.isNull() || banner.devicePixelRatio() != pixelRatio)
        banner = render(QStringLiteral(":/thornax/banner.svg"), QSize(150, 300), pixelRatio);
    return banner;
}

QPixmap medal(qreal pixelRatio)
{
    return render(QStringLiteral(":/thornax/medal.svg"), QSize(256, 256),
                  orApplicationRatio(pixelRatio));
}
