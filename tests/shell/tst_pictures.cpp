#include "pictures.h"

#include <QtTest>

// The pictures drawn for the screen's device pixel ratio: as many device pixels
// as the ratio asks for, at the same design size, and drawn rather than enlarged.
class tst_Pictures : public QObject
{
    Q_OBJECT

private:
    // Distinct grey levels along a line: an enlarged picture repeats its pixels,
    // one drawn for more pixels has more steps along an edge.
    static int shades(const QPixmap &pixmap)
    {
        const QImage image = pixmap.toImage();
        QSet<QRgb> shades;
        for (int x = 0; x < image.width(); ++x)
            shades.insert(image.pixel(x, image.height() / 3));
        return int(shades.size());
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

    void aPictureAtTwiceTheRatioIsDrawnNotEnlarged()
    {
        QVERIFY(shades(medal(2.0)) > shades(medal(1.0)));
        QVERIFY(shades(iconPicture(2.0)) > shades(iconPicture(1.0)));
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
