#include "mdiform1.h"
#include "wholeprogram.h"
#include "testprogram.h"
#include "window.h"

#include <QLabel>
#include <QMdiSubWindow>
#include <QtTest>

using namespace Qt::StringLiterals;

// The whole program on a screen scaled by two: every picture has twice the
// pixels of its design size, and the windows keep their designed sizes.
class tst_DoubleScale : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestProgram> m_test;
    Program &program() { return *m_test->program; }

private slots:
    void init()
    {
        m_test = wholeProgram({u"Ada"_s});
        QVERIFY(QTest::qWaitForWindowExposed(program().mainWindow().widget()));
    }
    void cleanup() { m_test.reset(); }

    void picturesHaveTwiceThePixels_data()
    {
        QTest::addColumn<WindowName>("window");
        QTest::addColumn<QString>("picture");
        QTest::addColumn<QSize>("design"); // the picture's size in design pixels
        QTest::addColumn<QSize>("client"); // the window's client area in design pixels
        QTest::newRow("banner") << WindowName::Form1 << u"Picture1"_s << QSize(150, 300)
                                << QSize(418, 390);
        QTest::newRow("score panel")
            << WindowName::frmAbout << u"picIcon"_s << QSize(48, 48) << QSize(325, 93);
        QTest::newRow("medal") << WindowName::Form4 << u"Image1"_s << QSize(256, 256)
                               << QSize(459, 501);
    }
    void picturesHaveTwiceThePixels()
    {
        QFETCH(WindowName, window);
        QFETCH(QString, picture);
        QFETCH(QSize, design);
        QFETCH(QSize, client);
        QCOMPARE(qApp->devicePixelRatio(), 2.0);
        MDIForm1 &frame = program().mainWindow();
        if (window == WindowName::Form1)
            frame.Guiden_Click();
        if (window == WindowName::Form4)
            frame.mnuCertificate_Click();

        auto *box = control<QLabel>(program().window(window), picture);
        QVERIFY(box);
        QCOMPARE(box->pixmap().size(), design * 2);
        QCOMPARE(box->pixmap().devicePixelRatio(), 2.0);
        QCOMPARE(program().window(window).subWindow()->widget()->size(), client);
    }
};

int main(int argc, char *argv[])
{
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    tst_DoubleScale test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_doublescale.moc"
