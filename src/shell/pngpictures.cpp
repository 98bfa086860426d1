#include "picturesource.h"

#include <QDir>
#include <QImageReader>

#include <algorithm>
#include <map>

namespace {

struct Rendering
{
    QString file;
    QSize pixels;
};

// A picture's renderings built into the program ("icon.png", "icon@2x.png",
// "icon-256.png", ...), smallest first; each one's size is read from its
// header once per run.
const QList<Rendering> &renderingsOf(const QString &name)
{
    static std::map<QString, QList<Rendering>> known;
    const auto found = known.find(name);
    if (found != known.end())
        return found->second;
    QList<Rendering> &renderings = known[name];
    const QDir folder(QStringLiteral(":/thornax"));
    const QStringList patterns = {name + QStringLiteral(".png"), name + QStringLiteral("@*.png"),
                                  name + QStringLiteral("-*.png")};
    for (const QString &file : folder.entryList(patterns, QDir::Files)) {
        const QString path = folder.filePath(file);
        renderings.append({path, QImageReader(path).size()});
    }
    std::sort(renderings.begin(), renderings.end(), [](const Rendering &a, const Rendering &b) {
        return a.pixels.width() * a.pixels.height() < b.pixels.width() * b.pixels.height();
    });
    return renderings;
}

} // namespace

QPixmap drawPicture(const QString &name, QSize size, qreal pixelRatio)
{
    // The smallest rendering at least as large as the pixels asked for, so a
    // picture is only ever scaled down; past the largest one it is scaled up.
    const QSize pixels = (QSizeF(size) * pixelRatio).toSize();
    const QList<Rendering> &renderings = renderingsOf(name);
    auto chosen = std::find_if(renderings.begin(), renderings.end(), [pixels](const Rendering &r) {
        return r.pixels.width() >= pixels.width() && r.pixels.height() >= pixels.height();
    });
    if (chosen == renderings.end() && !renderings.isEmpty())
        --chosen;
    QPixmap pixmap = chosen == renderings.end() ? QPixmap() : QPixmap(chosen->file);
    if (!pixmap.isNull() && pixmap.size() != pixels)
        pixmap = pixmap.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    pixmap.setDevicePixelRatio(pixelRatio);
    return pixmap;
}
