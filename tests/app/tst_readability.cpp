#include "colours.h"
#include "openwindow.h"
#include "shownpixels.h"
#include "wholeprogram.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QtTest>

Q_DECLARE_METATYPE(WindowName)

using namespace Qt::StringLiterals;

namespace {

// A palette from "Role:#rrggbb" pairs; roles left out keep Qt's default.
QPalette paletteOf(const char *colours)
{
    QPalette palette;
    const QMetaEnum roles = QMetaEnum::fromType<QPalette::ColorRole>();
    for (const QString &pair : QString::fromLatin1(colours).split(u' ', Qt::SkipEmptyParts)) {
        const QStringList roleAndColour = pair.split(u':');
        const int role = roles.keyToValue(qPrintable(roleAndColour.first()));
        palette.setColor(QPalette::ColorRole(role), QColor(roleAndColour.last()));
    }
    return palette;
}

// The dark palettes Debian's desktops hand to Qt programs, each as read from a
// program started under it: qt6ct's "darker" scheme and the GTK theme under Adwaita dark.
const QList<std::pair<const char *, QPalette>> DarkPalettes = {
    {"qt6ct darker",
     paletteOf("WindowText:#ffffff Button:#424245 Light:#979797 Midlight:#5e5c5b Dark:#302f2e "
               "Mid:#4a4947 Text:#ffffff BrightText:#ffffff ButtonText:#ffffff Base:#3d3d3d "
               "Window:#222020 Shadow:#e7e4e0 Highlight:#12608a HighlightedText:#f9f9f9 "
               "Link:#0986d3 AlternateBase:#5c5b5a ToolTipBase:#3f3f36 ToolTipText:#ffffff")},
    {"GTK Adwaita dark",
     paletteOf("WindowText:#f0f0f0 Button:#323232 Light:#4b4b4b Midlight:#2a2a2a Dark:#212121 "
               "Mid:#262626 Text:#f0f0f0 BrightText:#4b4b4b ButtonText:#f0f0f0 Base:#242424 "
               "Window:#323232 Shadow:#191919 Highlight:#308cc6 HighlightedText:#f0f0f0 "
               "Link:#308cc6 AlternateBase:#2b2b2b PlaceholderText:#f0f0f0")},
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

    // Opens the window with text in every control that can hold some; started, a
    // typing drill has something typed, a scrolling drill one bar on the magic number.
    Window &open(WindowName name, bool started = true)
    {
        m_test = wholeProgram({u"Ann"_s});
        openFromTheMenu(*m_test->program, name);
        Window &window = m_test->program->window(name);
        if (started && name == WindowName::Form2) {
            m_test->random->queueDraw(1, 3);
            QTest::mouseClick(control<QAbstractButton>(window, u"Command1"_s), Qt::LeftButton);
            QTest::keyClicks(control(window, u"Text1"_s), u"A brown fox"_s);
        } else if (started && name == WindowName::Form3) {
            for (int drawn : {7, 7, 3, 3, 3})
                m_test->random->queueDraw(drawn, 10);
            QTest::mouseClick(control<QAbstractButton>(window, u"Command1"_s), Qt::LeftButton);
        } else if (started && name == WindowName::Form1) {
            QTest::mouseClick(control<QAbstractButton>(window, u"Command4"_s), Qt::LeftButton);
        }
        return window;
    }
    QColor colour(WindowName window, const char *name, QPalette::ColorRole role)
    {
        return control(m_test->program->window(window), QString::fromLatin1(name))
            ->palette()
            .color(role);
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
        using enum WindowName;
        const std::tuple<WindowName, const char *, bool> windows[] = {
            {Form1, "Installer, ready", false},  {Form1, "Installer, running", true},
            {Form3, "Scrolling, running", true}, {Form2, "Typing, ready", false},
            {Form2, "Typing, running", true},    {frmAbout, "score panel", false},
            {Form4, "certificate", false},       {Form5, "browser", false}};
        for (const auto &[theme, palette] : DarkPalettes)
            for (const auto &[window, name, started] : windows)
                QTest::addRow("%s, %s", theme, name) << palette << window << started;
    }
    void everyTextReadsUnderADarkPalette()
    {
        QFETCH(QPalette, palette);
        QFETCH(WindowName, window);
        QFETCH(bool, started);
        QApplication::setPalette(palette);
        QWidget *client = open(window, started).subWindow()->widget();
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
        for (const auto &[theme, palette] : DarkPalettes)
            QTest::newRow(theme) << palette;
    }
    void signalsKeepTheirColours()
    {
        QFETCH(QPalette, palette);
        QApplication::setPalette(palette);
        open(WindowName::Form3);
        const QColor onTarget = colour(WindowName::Form3, "Label1", QPalette::WindowText);
        QCOMPARE(onTarget.hslHue(), 120);
        QVERIFY(onTarget.hslSaturation() > 200);
        QVERIFY(colour(WindowName::Form3, "Label2", QPalette::WindowText).hslSaturation() < 50);
        open(WindowName::Form2);
        const QColor score = colour(WindowName::Form2, "Label3", QPalette::WindowText);
        QCOMPARE(score.hslHue(), 0);
        QVERIFY(score.hslSaturation() > 200);
    }

    // The light palette, the one the design was drawn for, keeps every colour.
    void theLightPaletteKeepsTheDesign_data()
    {
        const QPalette light = QApplication::palette();
        const QColor box(224, 224, 224), grey(192, 192, 192), dim(64, 64, 64);
        QTest::addColumn<WindowName>("window");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QPalette::ColorRole>("role");
        QTest::addColumn<QColor>("colour");
        const auto row = [](const char *name, WindowName window, const char *control,
                            QPalette::ColorRole role, const QColor &colour) {
            QTest::newRow(name) << window << QString::fromLatin1(control) << role << colour;
        };
        using enum WindowName;
        using enum QPalette::ColorRole;
        row("typing score", Form2, "Label3", WindowText, QColor(255, 0, 0));
        row("typing frame caption", Form2, "Frame1", WindowText, light.color(Highlight));
        row("typing box", Form2, "Text1", Base, box);
        row("typing box text", Form2, "Text1", Text, Qt::black);
        row("START face", Form2, "Command1", Button, box);
        row("START caption", Form2, "Command1", ButtonText, Qt::black);
        row("on target", Form3, "Label1", WindowText, QColor(0, 180, 0));
        row("off target", Form3, "Label2", WindowText, Qt::black);
        row("certificate title", Form4, "Label1", WindowText, dim);
        row("certificate body", Form4, "Label2", WindowText, dim);
        row("certificate face", Form4, "Label2", Window, grey);
        row("score line", frmAbout, "Pryl", WindowText, grey);
        row("score panel", frmAbout, "Pryl", Window, light.color(Dark));
        row("address box", Form5, "Text1", Base, box);
        row("address text", Form5, "Text1", Text, Qt::black);
    }
    void theLightPaletteKeepsTheDesign()
    {
        QFETCH(WindowName, window);
        QFETCH(QString, control);
        QFETCH(QPalette::ColorRole, role);
        QFETCH(QColor, colour);
        open(window);
        QCOMPARE(this->colour(window, qPrintable(control), role), colour);
    }
};

QTEST_MAIN(tst_Readability)
#include "tst_readability.moc"
