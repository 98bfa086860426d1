#include "colours.h"
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

    // Contrast as the eye reads it, including the pairs the design prescribes.
    void contrastOfColourPairs_data()
    {
        QTest::addColumn<QColor>("first");
        QTest::addColumn<QColor>("second");
        QTest::addColumn<double>("ratio");
        QTest::newRow("black on white") << QColor(Qt::black) << QColor(Qt::white) << 21.0;
        QTest::newRow("the same") << QColor(64, 64, 64) << QColor(64, 64, 64) << 1.0;
        QTest::newRow("either way round") << QColor(Qt::white) << QColor(Qt::black) << 21.0;
        QTest::newRow("score line on the workspace")
            << QColor(192, 192, 192) << QColor(0x9f9f9f) << 1.45;
        QTest::newRow("theme white on the design's grey box")
            << QColor(Qt::white) << QColor(224, 224, 224) << 1.32;
    }
    void contrastOfColourPairs()
    {
        QFETCH(QColor, first);
        QFETCH(QColor, second);
        QFETCH(double, ratio);
        QCOMPARE(std::round(contrastRatio(first, second) * 100) / 100, ratio);
    }

    // A light palette keeps the design's colour; a dark one keeps what reads, gives
    // plain text the theme's and lightens a signal, keeping its hue, until it reads.
    void textColourOnAPalette_data()
    {
        QPalette dark;
        dark.setColor(QPalette::Window, QColor(0x505050));
        dark.setColor(QPalette::WindowText, QColor(0xeeeeee));
        QTest::addColumn<QPalette>("palette");
        QTest::addColumn<QColor>("designed");
        QTest::addColumn<QColor>("expected"); // invalid: any readable colour of the same hue
        const QPalette light;
        QTest::newRow("light, grey") << light << QColor(64, 64, 64) << QColor(64, 64, 64);
        QTest::newRow("light, green below 4.5:1")
            << light << QColor(0, 180, 0) << QColor(0, 180, 0);
        QTest::newRow("dark, black") << dark << QColor(Qt::black) << QColor(0xeeeeee);
        QTest::newRow("dark, white reads") << dark << QColor(Qt::white) << QColor(Qt::white);
        QTest::newRow("dark, red") << dark << QColor(255, 0, 0) << QColor();
        QTest::newRow("dark, green") << dark << QColor(0, 180, 0) << QColor();
    }
    void textColourOnAPalette()
    {
        QFETCH(QPalette, palette);
        QFETCH(QColor, designed);
        QFETCH(QColor, expected);
        const QFont font = designFont(QStringLiteral("Verdana"), 8.25);
        const QColor background = palette.color(QPalette::Window);
        const QColor resolved = resolvedTextColour(designed, background, font, palette);
        if (expected.isValid()) {
            QCOMPARE(resolved, expected);
            return;
        }
        QVERIFY(contrastRatio(resolved, background) >= readableContrast(font));
        QCOMPARE(resolved.hslHue(), designed.hslHue());
    }
};

QTEST_MAIN(tst_Design)
#include "tst_design.moc"
