#include "pictures.h"

#include <QtTest>

// The pictures drawn for the screen's device pixel ratio: as many device pixels
// as the ratio asks for, at the same design size, and drawn rather than enlarged.
class tst_Pictures : public QObject
{
    Q_OBJECT

private:
    // How sharp a picture's edges are, whatever its size: the energy of the
    // steps between neighbouring pixels, per pixel of its width. Drawn for its
    // size, an edge stays a pixel wide; enlarged k times, it is spread over k
    // pixels with about 1/k of the energy.
    static double sharpness(const QPixmap &pixmap)
    {
        const QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        double energy = 0;
        for (int y = 1; y < image.height(); ++y) {
            for (int x = 1; x < image.width(); ++x) {
                const QRgb here = image.pixel(x, y);
                for (const QRgb next : {image.pixel(x - 1, y), image.pixel(x, y - 1)}) {
                    const int alpha = qAlpha(here) - qAlpha(next), grey = qGray(here) - qGray(next);
                    energy += alpha * alpha + grey * grey;
                }
            }
        }
        return energy / image.width();
    }

private slots:
    void picturesAreDrawnForThePixelRatio_data()
    {
        QTest::addColumn<qreal>("ratio");
        QTest::newRow("1x") << 1.0;
        QTest::newRow("1.5x") << 1.5;
        QTest::newRow("2x") << 2.0;
        QTest::newRow("3x") << 3.0;
    }
    void picturesAreDrawnForThePixelRatio()
    {
        QFETCH(qreal, ratio);
        const auto check = [ratio](const QPixmap &picture, QSize design) {
            QCOMPARE(picture.size(), (QSizeF(design) * ratio).toSize());
            QCOMPARE(picture.devicePixelRatio(), ratio);
            QCOMPARE(picture.deviceIndependentSize().toSize(), design);
        };
        check(banner(ratio), QSize(150, 300));
        check(medal(ratio), QSize(256, 256));
        check(iconPicture(ratio), QSize(48, 48));
        check(programIcon().pixmap(QSize(16, 16), ratio), QSize(16, 16));
    }

    void largerPicturesAreDrawnNotEnlarged_data()
    {
        QTest::addColumn<QPixmap>("designSize"); // at 1x
        QTest::addColumn<QPixmap>("larger");
        const QIcon icon = programIcon();
        for (int side : {64, 128, 256})
            QTest::addRow("icon, %d px", side)
                << icon.pixmap(QSize(48, 48), 1.0) << icon.pixmap(QSize(side, side), 1.0);
        for (qreal ratio : {2.0, 3.0}) {
            QTest::addRow("icon at %gx", ratio) << iconPicture(1.0) << iconPicture(ratio);
            QTest::addRow("medal at %gx", ratio) << medal(1.0) << medal(ratio);
        }
    }
    void largerPicturesAreDrawnNotEnlarged()
    {
        QFETCH(QPixmap, designSize);
        QFETCH(QPixmap, larger);
        const double kept = sharpness(larger) / sharpness(designSize);
        QVERIFY2(kept > 0.75, qPrintable(QString::number(kept, 'f', 2)));
    }

    void theIconOffersEverySizeFrom16To256()
    {
        const QIcon icon = programIcon();
        const QList<QSize> sizes = icon.availableSizes();
        for (int side : {16, 24, 32, 48, 64, 128, 256}) {
            QVERIFY2(sizes.contains(QSize(side, side)), qPrintable(QString::number(side)));
            QCOMPARE(icon.pixmap(QSize(side, side), 1.0).size(), QSize(side, side));
        }
        // A size asked for twice is drawn once.
        QCOMPARE(icon.pixmap(QSize(256, 256), 1.0).cacheKey(),
                 icon.pixmap(QSize(256, 256), 1.0).cacheKey());
    }
};

QTEST_MAIN(tst_Pictures)
#include "tst_pictures.moc"
