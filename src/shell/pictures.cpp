#include "pictures.h"

#include "picturesource.h"

#include <QGuiApplication>
#include <QHash>
#include <QIconEngine>
#include <QPainter>

namespace {

const QString IconName = QStringLiteral("icon");
constexpr int IconDesignSide = 48;

qreal orApplicationRatio(qreal pixelRatio)
{
    if (pixelRatio > 0)
        return pixelRatio;
    return qApp ? qApp->devicePixelRatio() : 1.0;
}

// Draws the icon for each pixel size asked for, once. A window system that
// wants every size (X11 puts them all in _NET_WM_ICON) gets them, and nobody
// else pays for the large ones.
class DrawnIconEngine : public QIconEngine
{
public:
    explicit DrawnIconEngine(QString name) : m_name(std::move(name)) {}

    QPixmap pixmap(const QSize &size, QIcon::Mode, QIcon::State) override
    {
        const quint64 key = (quint64(size.width()) << 32) | quint32(size.height());
        auto drawn = m_drawn.constFind(key);
        if (drawn != m_drawn.cend())
            return *drawn;
        return *m_drawn.insert(key, drawPicture(m_name, size, 1.0));
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
        for (int side : {THORNAX_ICON_SIDES}) // assets/CMakeLists.txt
            sizes.append(QSize(side, side));
        return sizes;
    }

    QIconEngine *clone() const override { return new DrawnIconEngine(m_name); }
    QString key() const override { return QStringLiteral("ThornaxDrawnIcon"); }

private:
    QString m_name;
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
        icon = QIcon(new DrawnIconEngine(IconName));
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
        banner = drawPicture(QStringLiteral("banner"), QSize(150, 300), pixelRatio);
    return banner;
}

QPixmap medal(qreal pixelRatio)
{
    return drawPicture(QStringLiteral("medal"), QSize(256, 256), orApplicationRatio(pixelRatio));
}
