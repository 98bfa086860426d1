#include "design.h"
#include "designcontrols.h"
#include "pictures.h"

#include <QFontInfo>
#include <QLabel>
#include <QtTest>

// Design units, fonts and pictures as the windows use them.
class tst_Design : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installFontSubstitutes(); }

    void twipsConvertAtFifteenToAPixel()
    {
        QCOMPARE(pixels(8865), 591);
        QCOMPARE(pixels(7320), 488);
        QCOMPARE(pixels(4875), 325);
        QCOMPARE(pixels(7), 0);
        QCOMPARE(pixels(8), 1);
        QCOMPARE(pixels(-300), -20);
        QCOMPARE(twipsRect(2520, 5040, 615, 375), QRect(168, 336, 41, 25));
        QCOMPARE(twips(325), 4875);
    }

    void designFontsResolveToInstalledLookAlikes_data()
    {
        QTest::addColumn<QString>("family");
        QTest::addColumn<QString>("resolved");
        QTest::newRow("Verdana") << "Verdana"
                                 << "DejaVu Sans";
        QTest::newRow("MS Sans Serif") << "MS Sans Serif"
                                       << "Liberation Sans";
        QTest::newRow("Arial") << "Arial"
                               << "Liberation Sans";
        QTest::newRow("Times New Roman") << "Times New Roman"
                                         << "Liberation Serif";
    }
    void designFontsResolveToInstalledLookAlikes()
    {
        QFETCH(QString, family);
        QFETCH(QString, resolved);
        const QFontInfo info(designFont(family, 12, FontStyle::BoldItalic));
        if (info.family() != family)
            QCOMPARE(info.family(), resolved);
        QVERIFY(info.bold());
        QVERIFY(info.italic());
        QCOMPARE(designFont(family, 8.25).pointSizeF(), 8.25);
    }

    void picturesRenderAtTheirDesignSizes()
    {
        const QPixmap banner = ::banner(1.0);
        QCOMPARE(banner.deviceIndependentSize().toSize(), QSize(150, 300));
        const QImage bannerImage = banner.toImage();
        QVERIFY(bannerImage.pixelColor(75, 150).alpha() == 255); // the banner is opaque

        QCOMPARE(medal().deviceIndependentSize().toSize(), QSize(256, 256));
        QCOMPARE(medal().toImage().pixelColor(2, 2).alpha(), 255); // grey square to the corners

        const QIcon icon = programIcon();
        QVERIFY(!icon.isNull());
        QCOMPARE(icon.pixmap(48).size(), QSize(48, 48));
        QVERIFY(icon.pixmap(16).toImage().pixelColor(8, 8).alpha() > 0);
    }

    void bannerIsDrawnWhenFirstShown()
    {
        QWidget window;
        QLabel *banner = bannerPicture(&window, {120, 120, 2295, 4575});
        QVERIFY(banner->pixmap().isNull());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(banner->pixmap().deviceIndependentSize().toSize(), QSize(150, 300));
    }

    void coloursFromTheirNumbers()
    {
        QCOMPARE(colourOf(46080), QColor(0, 180, 0));
        QCOMPARE(colourOf(255), QColor(255, 0, 0));
        QCOMPARE(colourOf(0xC0C0C0), QColor(192, 192, 192));
    }
};

QTEST_MAIN(tst_Design)
#include "tst_design.moc"
