#include "colours.h"
#include "mdiform1.h"
#include "openwindow.h"
#include "registerwindows.h"
#include "shownpixels.h"
#include "testprogram.h"
#include "textbox.h"
#include "themepalettes.h"
#include "window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QtTest>

Q_DECLARE_METATYPE(WindowName)

namespace {

struct Shown
{
    WindowName window;
    const char *name;
    bool started; // a drill after START
};

const QList<Shown> Windows = {
    {WindowName::Form1, "Installer, ready", false},
    {WindowName::Form1, "Installer, running", true},
    {WindowName::Form3, "Scrolling, running", true},
    {WindowName::Form2, "Typing, ready", false},
    {WindowName::Form2, "Typing, running", true},
    {WindowName::frmAbout, "score panel", false},
    {WindowName::Form4, "certificate", false},
    {WindowName::Form5, "browser", false},
};

// The text a control shows, or an empty one where it shows none.
QString shownTextOf(const QWidget *control)
{
    if (const auto *label = qobject_cast<const QLabel *>(control))
        return label->pixmap().isNull() ? label->text() : QString();
    if (const auto *button = qobject_cast<const QAbstractButton *>(control))
        return button->text();
    if (const auto *frame = qobject_cast<const QGroupBox *>(control))
        return frame->title();
    if (const auto *box = qobject_cast<const QLineEdit *>(control))
        return box->text();
    if (const auto *box = qobject_cast<const QPlainTextEdit *>(control))
        return box->toPlainText();
    return {};
}

} // namespace

// Every text of every window against what is behind it, measured from the
// pixels under the dark palettes that desktops set; and the design's own
// colours under the light palette.
class tst_Readability : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestProgram> m_test;
    QPalette m_light;

    Program &program() { return *m_test->program; }
    template<class T = QWidget> T *control(WindowName window, const char *name)
    {
        QMdiSubWindow *sub = program().window(window).subWindow();
        T *found = sub ? sub->findChild<T *>(QLatin1String(name)) : nullptr;
        if (!found)
            qFatal("no control %s", name);
        return found;
    }

    // Opens the window with text in every control that can hold some: a
    // started typing drill with something typed, a started scrolling drill with
    // one bar on the magic number, the certificate made out to a name.
    QWidget *openWithText(WindowName window, bool started = true)
    {
        m_test = std::make_unique<TestProgram>();
        m_test->dialogs->answers = QStringList{QStringLiteral("Ann")};
        registerWindows(program());
        program().mainWindow().Load();
        openFromTheMenu(program(), window);
        if (!started)
            return program().window(window).subWindow()->widget();
        if (window == WindowName::Form1) {
            QTest::mouseClick(control<QAbstractButton>(window, "Command4"), Qt::LeftButton);
        } else if (window == WindowName::Form2) {
            m_test->random->queueDraw(1, 3);
            QTest::mouseClick(control<QAbstractButton>(window, "Command1"), Qt::LeftButton);
            QTest::keyClicks(control(window, "Text1"), QStringLiteral("A brown fox"));
        } else if (window == WindowName::Form3) {
            for (int drawn : {7, 7, 3, 3, 3})
                m_test->random->queueDraw(drawn, 10);
            QTest::mouseClick(control<QAbstractButton>(window, "Command1"), Qt::LeftButton);
        }
        return program().window(window).subWindow()->widget();
    }

private slots:
    void initTestCase() { m_light = QApplication::palette(); }
    void cleanup()
    {
        m_test.reset();
        QApplication::setPalette(m_light);
    }

    void everyTextReadsUnderADarkPalette_data()
    {
        QTest::addColumn<QPalette>("palette");
        QTest::addColumn<WindowName>("window");
        QTest::addColumn<bool>("started");
        for (const ThemePalette &theme : darkPalettes())
            for (const Shown &shown : Windows)
                QTest::addRow("%s, %s", qPrintable(theme.name), shown.name)
                    << theme.palette << shown.window << shown.started;
    }
    void everyTextReadsUnderADarkPalette()
    {
        QFETCH(QPalette, palette);
        QFETCH(WindowName, window);
        QFETCH(bool, started);
        QApplication::setPalette(palette);
        QWidget *client = openWithText(window, started);
        const QImage picture = client->grab().toImage();
        int measured = 0;
        for (QWidget *control : client->findChildren<QWidget *>()) {
            const QString text = shownTextOf(control);
            const QRect area = textArea(control, client);
            // The score label lies under START until START goes.
            QWidget *onTop = client->childAt(area.center());
            if (text.isEmpty() || !control->isVisibleTo(client) ||
                (onTop != control && !control->isAncestorOf(onTop)))
                continue;
            const ShownText shown = measureText(picture, area);
            const double needed = readableContrast(control->font());
            qInfo("%s \"%s\": %s on %s, %.2f:1 (needs %.1f)", qPrintable(control->objectName()),
                  qPrintable(text.left(24)), qPrintable(shown.ink.name()),
                  qPrintable(shown.background.name()), shown.contrast, needed);
            QVERIFY2(shown.contrast >= needed, qPrintable(text));
            ++measured;
        }
        QVERIFY(measured > 0);
    }

    // On a dark palette the signals keep their meaning: the score stays red, the
    // on-target value green and clearly apart from the other values.
    void signalsKeepTheirColours_data()
    {
        QTest::addColumn<QPalette>("palette");
        for (const ThemePalette &theme : darkPalettes())
            QTest::newRow(qPrintable(theme.name)) << theme.palette;
    }
    void signalsKeepTheirColours()
    {
        QFETCH(QPalette, palette);
        QApplication::setPalette(palette);
        openWithText(WindowName::Form3);
        const QColor onTarget =
            control<QLabel>(WindowName::Form3, "Label1")->palette().color(QPalette::WindowText);
        const QColor offTarget =
            control<QLabel>(WindowName::Form3, "Label2")->palette().color(QPalette::WindowText);
        QCOMPARE(onTarget.hslHue(), 120);
        QVERIFY(onTarget.hslSaturation() > 200);
        QVERIFY(offTarget.hslSaturation() < 50);

        openWithText(WindowName::Form2);
        const QColor score =
            control<QLabel>(WindowName::Form2, "Label3")->palette().color(QPalette::WindowText);
        QCOMPARE(score.hslHue(), 0);
        QVERIFY(score.hslSaturation() > 200);
    }

    // The light palette, the one the design was drawn for, keeps every colour.
    void theLightPaletteKeepsTheDesign_data()
    {
        const QPalette light = QApplication::palette();
        const QColor box(224, 224, 224);
        QTest::addColumn<WindowName>("window");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QPalette::ColorRole>("role");
        QTest::addColumn<QColor>("colour");
        const auto row = [](const char *name, WindowName window, const char *control,
                            QPalette::ColorRole role, const QColor &colour) {
            QTest::newRow(name) << window << QString::fromLatin1(control) << role << colour;
        };
        row("typing score", WindowName::Form2, "Label3", QPalette::WindowText, QColor(255, 0, 0));
        row("typing frame caption", WindowName::Form2, "Frame1", QPalette::WindowText,
            light.color(QPalette::Highlight));
        row("typing box", WindowName::Form2, "Text1", QPalette::Base, box);
        row("typing box text", WindowName::Form2, "Text1", QPalette::Text, Qt::black);
        row("START face", WindowName::Form2, "Command1", QPalette::Button, box);
        row("START caption", WindowName::Form2, "Command1", QPalette::ButtonText, Qt::black);
        row("on target", WindowName::Form3, "Label1", QPalette::WindowText, QColor(0, 180, 0));
        row("off target", WindowName::Form3, "Label2", QPalette::WindowText, Qt::black);
        row("certificate title", WindowName::Form4, "Label1", QPalette::WindowText,
            QColor(64, 64, 64));
        row("certificate body", WindowName::Form4, "Label2", QPalette::WindowText,
            QColor(64, 64, 64));
        row("certificate face", WindowName::Form4, "Label2", QPalette::Window,
            QColor(192, 192, 192));
        row("score line", WindowName::frmAbout, "Pryl", QPalette::WindowText,
            QColor(192, 192, 192));
        row("score panel", WindowName::frmAbout, "Pryl", QPalette::Window,
            light.color(QPalette::Dark));
        row("address box", WindowName::Form5, "Text1", QPalette::Base, box);
        row("address text", WindowName::Form5, "Text1", QPalette::Text, Qt::black);
    }
    void theLightPaletteKeepsTheDesign()
    {
        QFETCH(WindowName, window);
        QFETCH(QString, control);
        QFETCH(QPalette::ColorRole, role);
        QFETCH(QColor, colour);
        openWithText(window);
        QCOMPARE(this->control(window, qPrintable(control))->palette().color(role), colour);
    }
};

QTEST_MAIN(tst_Readability)
#include "tst_readability.moc"
