// Renders an SVG picture into a square PNG of the given size, for the icon theme.
// Usage: thornax-render-icon SOURCE.svg SIZE OUTPUT.png

#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 4) {
        std::fputs("usage: thornax-render-icon SOURCE.svg SIZE OUTPUT.png\n", stderr);
        return 2;
    }
    const QString source = QString::fromLocal8Bit(argv[1]);
    const QString target = QString::fromLocal8Bit(argv[3]);
    bool isNumber = false;
    const int size = QString::fromLocal8Bit(argv[2]).toInt(&isNumber);
    if (!isNumber || size <= 0) {
        std::fprintf(stderr, "thornax-render-icon: not a size: %s\n", argv[2]);
        return 2;
    }

    QSvgRenderer renderer(source);
    if (!renderer.isValid()) {
        std::fprintf(stderr, "thornax-render-icon: cannot read %s\n", argv[1]);
        return 1;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    if (!image.save(target, "PNG")) {
        std::fprintf(stderr, "thornax-render-icon: cannot write %s\n", argv[3]);
        return 1;
    }
    return 0;
}
