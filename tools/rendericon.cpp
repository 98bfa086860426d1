// Renders an SVG picture into pixels at build time: a PNG of the given size (a
// side for a square, or WIDTHxHEIGHT), or a Windows icon file holding one PNG
// image for each of a comma-separated list of sides.
// Usage: thornax-render-icon SOURCE.svg SIZE OUTPUT.png
//        thornax-render-icon SOURCE.svg SIDE,SIDE,... OUTPUT.ico

#include <QBuffer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>
#include <QtEndian>

#include <cstdio>
#include <optional>

namespace {

std::optional<QSize> parseSize(const QString &text)
{
    const QStringList sides = text.split(u'x');
    bool wideOk = false, highOk = false;
    const int width = sides.value(0).toInt(&wideOk);
    const int height = sides.size() == 2 ? sides[1].toInt(&highOk) : (highOk = wideOk, width);
    if (sides.size() > 2 || !wideOk || !highOk || width <= 0 || height <= 0 || width > 4096 ||
        height > 4096)
        return std::nullopt;
    return QSize(width, height);
}

QImage render(QSvgRenderer &renderer, QSize size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    return image;
}

// An icon file: a directory of entries, each a PNG image (which Windows reads
// since Vista), in the order given.
QByteArray iconFile(QSvgRenderer &renderer, const QList<int> &sides)
{
    QList<QByteArray> images;
    for (int side : sides) {
        QBuffer png;
        png.open(QIODevice::WriteOnly);
        render(renderer, QSize(side, side)).save(&png, "PNG");
        images.append(png.data());
    }
    QByteArray file(6 + 16 * images.size(), '\0');
    auto put16 = [&file](int at, quint16 value) { qToLittleEndian(value, file.data() + at); };
    auto put32 = [&file](int at, quint32 value) { qToLittleEndian(value, file.data() + at); };
    put16(2, 1); // an icon, not a cursor
    put16(4, quint16(images.size()));
    for (qsizetype i = 0; i < images.size(); ++i) {
        const int entry = 6 + 16 * int(i);
        const int side = sides[i];
        file[entry] = char(side >= 256 ? 0 : side); // 0 stands for 256
        file[entry + 1] = char(side >= 256 ? 0 : side);
        put16(entry + 4, 1);  // colour planes
        put16(entry + 6, 32); // bits per pixel
        put32(entry + 8, quint32(images[i].size()));
        put32(entry + 12, quint32(file.size()));
        file.append(images[i]);
    }
    return file;
}

int fail(const char *what, const char *argument)
{
    std::fprintf(stderr, "thornax-render-icon: %s %s\n", what, argument);
    return 1;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 4) {
        std::fputs("usage: thornax-render-icon SOURCE.svg SIZE OUTPUT.png\n"
                   "       thornax-render-icon SOURCE.svg SIDE,SIDE,... OUTPUT.ico\n",
                   stderr);
        return 2;
    }
    // Text in a picture needs the font database, which needs an application;
    // no screen is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // What the application says about the session it would run in (no
    // XDG_RUNTIME_DIR, ...) is of no concern to a build step; what Qt Svg says
    // about a picture is, and errors always are.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &context,
                              const QString &message) {
        const bool aboutThePicture =
            context.category && qstrncmp(context.category, "qt.svg", 6) == 0;
        if (type == QtCriticalMsg || type == QtFatalMsg || (aboutThePicture && type != QtDebugMsg))
            std::fprintf(stderr, "thornax-render-icon: %s\n", qPrintable(message));
    });
    QGuiApplication application(argc, argv);

    const QString target = QString::fromLocal8Bit(argv[3]);
    const bool toIconFile = target.endsWith(QLatin1String(".ico"));
    QList<int> sides;
    std::optional<QSize> size;
    if (toIconFile) {
        for (const QString &side : QString::fromLocal8Bit(argv[2]).split(u',')) {
            const std::optional<QSize> square = parseSize(side);
            if (!square || square->width() != square->height() || square->width() > 256)
                return fail("not an icon side:", argv[2]);
            sides.append(square->width());
        }
    } else if (!(size = parseSize(QString::fromLocal8Bit(argv[2])))) {
        return fail("not a size:", argv[2]);
    }

    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    if (!renderer.isValid())
        return fail("cannot read", argv[1]);
    bool written = false;
    if (toIconFile) {
        QFile file(target);
        written = file.open(QIODevice::WriteOnly) && file.write(iconFile(renderer, sides)) > 0;
    } else {
        written = render(renderer, *size).save(target, "PNG");
    }
    return written ? 0 : fail("cannot write", argv[3]);
}
