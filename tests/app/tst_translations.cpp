#include "form1.h"
#include "form2.h"
#include "form3.h"
#include "form5.h"
#include "frmabout.h"
#include "installerrules.h"
#include "label.h"
#include "languages.h"
#include "mdiform1.h"
#include "openwindow.h"
#include "productinfo.h"
#include "startupdecision.h"
#include "textbox.h"
#include "valuerules.h"
#include "wholeprogram.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QRegularExpression>
#include <QStyle>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// Visits every text the user sees: its control (null for menus, tips and boxes),
// where it is, and the text.
using TextVisitor = std::function<void(QWidget *, const QString &, const QString &)>;

// The control's design name after its window's caption.
QString placeOf(const QWidget *widget)
{
    QStringList path;
    for (; widget; widget = widget->parentWidget()) {
        if (auto *window = qobject_cast<const QMdiSubWindow *>(widget))
            path.prepend(window->windowTitle());
        else if (!widget->objectName().isEmpty())
            path.prepend(widget->objectName());
    }
    return path.join(u'/');
}

void visitVisibleTexts(QMainWindow *frame, const TextVisitor &visit)
{
    for (QWidget *widget : frame->findChildren<QWidget *>()) {
        if (!widget->isVisible())
            continue;
        const QString where = placeOf(widget) + u' ' + widget->metaObject()->className();
        if (auto *label = qobject_cast<QLabel *>(widget); label && label->pixmap().isNull())
            visit(label, where, label->text());
        else if (auto *button = qobject_cast<QAbstractButton *>(widget))
            visit(button, where, button->text());
        else if (auto *group = qobject_cast<QGroupBox *>(widget))
            visit(group, where, group->title());
        else if (auto *window = qobject_cast<QMdiSubWindow *>(widget))
            visit(window, where, window->windowTitle());
        for (const QString &spoken :
             {widget->toolTip(), widget->accessibleName(), widget->accessibleDescription()})
            visit(nullptr, where + u" (tool tip or spoken)"_s, spoken);
    }
    QList<QAction *> menus = frame->menuBar()->actions();
    for (int i = 0; i < menus.size(); ++i) {
        visit(nullptr, u"menu"_s, menus[i]->text());
        if (menus[i]->menu())
            menus += menus[i]->menu()->actions();
    }
    visit(nullptr, u"frame caption"_s, frame->windowTitle());
}

// Plays every window through the states in which it shows its texts, visiting
// what is on screen in each, then every box that was shown.
void showEveryText(const TextVisitor &visit)
{
    const auto test = wholeProgram({u"Alexandra"_s});
    Program &program = *test->program;
    MDIForm1 &frame = program.mainWindow();
    Module1 &record = program.record();
    const auto look = [&] { visitVisibleTexts(frame.widget(), visit); };
    look();

    auto &installer = program.window<Form1>();
    frame.Guiden_Click();
    look();
    installer.Command4_Click();
    installer.Timer2_Timer();
    look();
    record.RightClicks = Integer(15);
    installer.Timer1_Timer(); // finishes level 1
    installer.Command4_Click();
    record.TimeUsed = Integer(1000);
    installer.Timer2_Timer(); // runs out of time
    frame.Guiden_Click();
    record.InstallerLevel = Integer(3);
    record.RightClicks = Integer(15);
    installer.Timer1_Timer(); // finishes the module
    frame.Guiden_Click();     // already done

    auto &scrolling = program.window<Form3>();
    frame.Scroll_Click();
    for (int draw = 0; draw < 5; ++draw)
        test->random->queueDraw(7, 10);
    scrolling.Command1_Click();
    look();
    scrolling.Timer1_Timer(); // every bar on the magic number

    auto &typing = program.window<Form2>();
    frame.mnuTyping_Click();
    look();
    typing.Command1_Click();
    auto *typed = typing.controls().Text1;
    typed->SetText(QString(76, u'x'));
    for (int tick = 0; tick < 30; ++tick)
        typing.startTimer_Timer();
    look();
    typed->SetText(typing.controls().Label1->Caption()); // completes the drill

    program.window<frmAbout>().Timer1_Timer(); // the run is finished
    frame.mnuCertificate_Click();
    look();
    openFromTheMenu(program, WindowName::Form5);
    look();
    QTest::keyClick(program.window<Form5>().controls().Text1, Qt::Key_Return);
    frame.mnuAbout_Click();

    for (const QString &prompt : test->dialogs->prompts())
        visit(nullptr, u"message box"_s, prompt);
    for (const QString &question : test->dialogs->questions)
        visit(nullptr, u"input box"_s, question);
}

// The room the text needs in its control, at the control's design size and font,
// when it does not fit; nothing when it does.
QString fitProblem(QWidget *control, const QString &text)
{
    const QFontMetrics metrics(control->font());
    QSize needed, room = control->size();
    if (auto *label = qobject_cast<QLabel *>(control)) {
        const int margin = label->margin();
        const QRect inside = label->contentsRect().adjusted(margin, margin, -margin, -margin);
        const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
        needed = metrics.boundingRect(inside.adjusted(0, 0, 0, 10000), flags, text).size();
        room = inside.size();
    } else if (auto *button = qobject_cast<QAbstractButton *>(control)) {
        const QStyle *style = button->style();
        const int margins = style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button) +
                            2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
        needed = {metrics.horizontalAdvance(QString(text).remove(u'&')) + margins,
                  metrics.height()};
    } else if (qobject_cast<QGroupBox *>(control)) {
        // The caption sits in the top line, 6 px in, with 2 px on either side.
        needed = {metrics.horizontalAdvance(text) + 2 * (6 + 2), 0};
    } else if (qobject_cast<QMdiSubWindow *>(control)) {
        // Beside the icon and the close box, each about as wide as the title bar is high.
        const int bar = control->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, control);
        needed = {metrics.horizontalAdvance(text) + 2 * bar, 0};
    }
    if (needed.width() <= room.width() && needed.height() <= room.height())
        return {};
    return QString::asprintf("needs %d x %d px, has %d x %d", needed.width(), needed.height(),
                             room.width(), room.height());
}

// A pseudo-translated text: bracketed and padded with tildes, possibly with
// numbers or the product name around it.
bool isPseudoTranslated(QString text)
{
    static const QRegularExpression pseudoPart(u"\\[.*? ~+\\]"_s,
                                               QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression leftOver(u"^[\\s\\d.,:;+\\-]*$"_s);
    text.remove(pseudoPart).remove(programTitle());
    return leftOver.match(text).hasMatch();
}

} // namespace

class tst_Translations : public QObject
{
    Q_OBJECT

private slots:
    void languagesFromEnvironment_data()
    {
        QTest::addColumn<QString>("environment");
        QTest::addColumn<QString>("expected");

        QTest::newRow("nothing set") << u""_s << u""_s;
        QTest::newRow("LANG") << u"LANG=de_DE.UTF-8"_s << u"de_DE"_s;
        QTest::newRow("modifier dropped") << u"LANG=ca_ES.UTF-8@valencia"_s << u"ca_ES"_s;
        QTest::newRow("LC_MESSAGES before LANG")
            << u"LC_MESSAGES=fr_FR.UTF-8 LANG=de_DE.UTF-8"_s << u"fr_FR"_s;
        QTest::newRow("LC_ALL before all")
            << u"LC_ALL=es_ES.UTF-8 LC_MESSAGES=fr_FR LANG=de_DE"_s << u"es_ES"_s;
        QTest::newRow("LANGUAGE list")
            << u"LANG=en_GB.UTF-8 LANGUAGE=it:fr_CA:de"_s << u"it:fr_CA:de"_s;
        QTest::newRow("C.UTF-8 ignores LANGUAGE") << u"LANG=C.UTF-8 LANGUAGE=de"_s << u""_s;
        QTest::newRow("LC_ALL=C ignores LANG") << u"LC_ALL=C LANG=de_DE.UTF-8"_s << u""_s;
        QTest::newRow("POSIX") << u"LC_MESSAGES=POSIX LANGUAGE=fr"_s << u""_s;
    }

    void languagesFromEnvironment()
    {
        QFETCH(QString, environment);
        QFETCH(QString, expected);
        QHash<QByteArray, QString> variables;
        for (const QString &setting : environment.split(u' ', Qt::SkipEmptyParts))
            variables.insert(setting.section(u'=', 0, 0).toLatin1(), setting.section(u'=', 1));
        QCOMPARE(messageLanguages([&](const char *name) { return variables.value(name); }),
                 expected.split(u':', Qt::SkipEmptyParts));
    }

    void translationChosen_data()
    {
        QTest::addColumn<QStringList>("languages");
        QTest::addColumn<QString>("loaded");
        QTest::addColumn<QString>("next");   // the Installer's button to hit
        QTest::addColumn<QString>("cancel"); // Qt's own button

        QTest::newRow("English") << QStringList{u"en_US"_s} << u""_s << u"Next"_s << u"Cancel"_s;
        QTest::newRow("none wanted") << QStringList() << u""_s << u"Next"_s << u"Cancel"_s;
        QTest::newRow("de_AT falls back to de")
            << QStringList{u"de_AT"_s} << u"de_AT"_s << u"Weiter"_s << u"Abbrechen"_s;
        QTest::newRow("first translated one") << QStringList{u"it"_s, u"fr_CA"_s, u"de"_s}
                                              << u"fr_CA"_s << u"Suivant"_s << u"Annuler"_s;
        QTest::newRow("en_GB:de") << QStringList{u"en_GB"_s, u"de"_s} << u""_s << u"Next"_s
                                  << u"Cancel"_s;
        QTest::newRow("de:en") << QStringList{u"de"_s, u"en"_s} << u"de"_s << u"Weiter"_s
                               << u"Abbrechen"_s;
        QTest::newRow("fr_CA:de") << QStringList{u"fr_CA"_s, u"de"_s} << u"fr_CA"_s << u"Suivant"_s
                                  << u"Annuler"_s;
        QTest::newRow("C") << QStringList{u"C"_s} << u""_s << u"Next"_s << u"Cancel"_s;
        QTest::newRow("es") << QStringList{u"es"_s} << u"es"_s << u"Siguiente"_s << u"Cancelar"_s;
        QTest::newRow("pseudo") << QStringList{Translations::Pseudo} << Translations::Pseudo
                                << u"[Ñéẋţ ~~~]"_s << u"Cancel"_s;
    }

    void translationChosen()
    {
        QFETCH(QStringList, languages);
        QFETCH(QString, loaded);
        QFETCH(QString, next);
        QFETCH(QString, cancel);

        Translations translations(languages);
        QCOMPARE(translations.language(), loaded);
        QCOMPARE(translations.translate("Form1", "Next"), next);
        translations.install();
        QCOMPARE(nextCaption(), next);
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), cancel);
    }

    void commandLineInLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("printed"); // a part of it

        QTest::newRow("help, de") << u"de"_s << QStringList{u"--help"_s}
                                  << u"Aufruf: thornax-windows-trainer [Optionen]\n"_s;
        QTest::newRow("options heading, fr")
            << u"fr"_s << QStringList{u"-h"_s} << u"\nOptions :\n"_s;
        QTest::newRow("unknown option, es")
            << u"es"_s << QStringList{u"--bogus"_s}
            << u"thornax-windows-trainer: Opción desconocida 'bogus'.\nPruebe "_s;
        QTest::newRow("unknown options, de")
            << u"de"_s << QStringList{u"-x"_s, u"--y"_s} << u"Unbekannte Optionen: x, y."_s;
        QTest::newRow("argument, fr")
            << u"fr"_s << QStringList{u"a%2b"_s} << u"argument inattendu « a%2b »"_s;
        QTest::newRow("no display, es") << u"es"_s << QStringList() << u"xvfb-run "_s;
        // The parser's other messages are made before any translation can reach them.
        QTest::newRow("missing value, de")
            << u"de"_s << QStringList{u"-platform"_s} << u"Missing value after '-platform'."_s;
    }

    void commandLineInLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QStringList, arguments);
        QFETCH(QString, printed);

        const Translations translations({language});
        const StartupDecision decision =
            decideStartup(QStringList{u"thornax-windows-trainer"_s} + arguments, false,
                          [&](const char *context, const char *source) {
                              return translations.translate(context, source);
                          });
        QVERIFY(!decision.start);
        QVERIFY2(decision.output.contains(printed), qPrintable(decision.output));
    }

    void everyTextTranslatedAndFitting_data()
    {
        QTest::addColumn<QString>("language");
        // English first: the measure itself must pass the design's own texts. Under the
        // pseudo-translation every text must carry its markers; a design made for English
        // may be too small for a third more, which is worth knowing, not a fault.
        for (const QString &language : {u"en"_s, u"de"_s, u"fr"_s, u"es"_s, Translations::Pseudo})
            QTest::newRow(qPrintable(language)) << language;
    }

    void everyTextTranslatedAndFitting()
    {
        QFETCH(QString, language);
        Translations translations({language});
        QCOMPARE(translations.language(), language == u"en" ? QString() : language);
        translations.install();
        const bool pseudo = language == Translations::Pseudo;
        QStringList faults, tooSmall;
        int measured = 0;
        showEveryText([&](QWidget *control, const QString &where, const QString &text) {
            if (text.isEmpty())
                return;
            if (pseudo && !isPseudoTranslated(text))
                faults.append(where + u": "_s + text);
            if (!control)
                return;
            ++measured;
            if (const QString problem = fitProblem(control, text); !problem.isEmpty())
                (pseudo ? tooSmall : faults).append(where + u" \""_s + text + u"\": "_s + problem);
        });
        tooSmall.removeDuplicates();
        if (!tooSmall.isEmpty())
            qInfo().noquote() << "Too small for the lengthened texts:\n" << tooSmall.join(u'\n');
        QVERIFY(measured > 30);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
    }
};

QTEST_MAIN(tst_Translations)
#include "tst_translations.moc"
