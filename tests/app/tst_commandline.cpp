#include "startupdecision.h"

#include <QOperatingSystemVersion>
#include <QProcess>
#include <QtTest>

using namespace Qt::StringLiterals;

// The command line as the program reads it before any window exists, and the
// real program file run without a display.
class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void decision_data();
    void decision();
    void programWithoutDisplay_data();
    void programWithoutDisplay();
    void toolkitOptionsOpenTheFrame();
    void programSpeaksEachOfItsLanguages_data();
    void programSpeaksEachOfItsLanguages();
};

namespace {

const QString Version = u"Thornax Windows Trainer 1.00.0002\n"_s;

// The program file with no display in its environment, in the language a
// locale (such as "de_DE.UTF-8") names, or in the environment's own.
std::unique_ptr<QProcess> startProgram(const QStringList &arguments, const QString &locale = {})
{
    auto process = std::make_unique<QProcess>();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    if (!locale.isEmpty()) {
        for (const char *name : {"LC_ALL", "LC_MESSAGES", "LANGUAGE"})
            environment.remove(QString::fromLatin1(name));
        environment.insert(u"LANG"_s, locale);
    }
    process->setProcessEnvironment(environment);
    process->start(QStringLiteral(THORNAX_PROGRAM_PATH), arguments);
    return process;
}

} // namespace

void TestCommandLine::decision_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("display");
    QTest::addColumn<bool>("start");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("printed"); // a part of what is printed, or all when it ends a line

    QTest::newRow("none") << QStringList() << true << true << 0 << QString();
    QTest::newRow("none without display")
        << QStringList() << false << false << NoDisplayExit << u"no display found"_s;
    QTest::newRow("--help") << QStringList{u"--help"_s} << false << false << 0
                            << u"Usage: thornax-windows-trainer [options]"_s;
    QTest::newRow("-h lists --version")
        << QStringList{u"-h"_s} << false << false << 0 << u"-v, --version"_s;
    QTest::newRow("--version") << QStringList{u"--version"_s} << false << false << 0 << Version;
    QTest::newRow("-v") << QStringList{u"-v"_s} << false << false << 0 << Version;
    QTest::newRow("toolkit options with display")
        << QStringList{u"-style"_s, u"Fusion"_s, u"-reverse"_s, u"--qwindowtitle"_s, u"x"_s} << true
        << true << 0 << QString();
    QTest::newRow("-platform stands in for the display")
        << QStringList{u"-platform"_s, u"offscreen"_s, u"-style=Fusion"_s} << false << true << 0
        << QString();
    QTest::newRow("-style alone needs a display")
        << QStringList{u"-style"_s, u"Fusion"_s} << false << false << NoDisplayExit
        << u"no display found"_s;
    QTest::newRow("unknown option")
        << QStringList{u"--frobnicate"_s} << true << false << UsageErrorExit
        << u"thornax-windows-trainer: Unknown option 'frobnicate'.\n"
           u"Try 'thornax-windows-trainer --help' for more information.\n"_s;
    QTest::newRow("unknown option beats --help")
        << QStringList{u"--help"_s, u"-x"_s} << false << false << UsageErrorExit
        << u"Unknown option 'x'."_s;
    QTest::newRow("unknown option without display")
        << QStringList{u"--verbose"_s} << false << false << UsageErrorExit
        << u"Unknown option 'verbose'."_s;
    QTest::newRow("-platform without its value")
        << QStringList{u"-platform"_s} << true << false << UsageErrorExit
        << u"Missing value after '-platform'"_s;
    QTest::newRow("stray argument") << QStringList{u"certificate.txt"_s} << true << false
                                    << UsageErrorExit << u"unexpected argument 'certificate.txt'"_s;
}

void TestCommandLine::decision()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, display);
    QFETCH(bool, start);
    QFETCH(int, exitCode);
    QFETCH(QString, printed);

    const StartupDecision decision =
        decideStartup(QStringList{u"thornax-windows-trainer"_s} + arguments, display);
    QCOMPARE(decision.start, start);
    if (start)
        return;
    QCOMPARE(decision.exitCode, exitCode);
    if (printed.endsWith(u'\n'))
        QCOMPARE(decision.output, printed);
    else
        QVERIFY2(decision.output.contains(printed), qPrintable(decision.output));
    QVERIFY(decision.output.endsWith(u'\n'));
}

void TestCommandLine::programWithoutDisplay_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("standardOutput"); // a part of it
    QTest::addColumn<QString>("standardError");  // a part of it

    QTest::newRow("--help") << QStringList{u"--help"_s} << 0 << u"--help"_s << QString();
    QTest::newRow("--version") << QStringList{u"--version"_s} << 0 << Version << QString();
    QTest::newRow("unknown option")
        << QStringList{u"--bogus"_s} << UsageErrorExit << QString() << u"Unknown option 'bogus'"_s;
    // Only where a session can lack a display: Windows always has one.
    if (QOperatingSystemVersion::currentType() != QOperatingSystemVersion::Windows)
        QTest::newRow("no option") << QStringList() << NoDisplayExit << QString()
                                   << u"no display found"_s;
}

void TestCommandLine::programWithoutDisplay()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, standardOutput);
    QFETCH(QString, standardError);

    const auto process = startProgram(arguments);
    QVERIFY(process->waitForFinished(30000));
    // Windows ends printed lines with a carriage return and a line feed.
    const auto printed = [](const QByteArray &bytes) {
        return QString::fromLocal8Bit(bytes).replace(u"\r\n"_s, u"\n"_s);
    };
    const QString out = printed(process->readAllStandardOutput());
    const QString err = printed(process->readAllStandardError());
    QCOMPARE(process->exitStatus(), QProcess::NormalExit);
    QCOMPARE(process->exitCode(), exitCode);
    QVERIFY2(out.contains(standardOutput), qPrintable(out));
    QVERIFY2(err.contains(standardError), qPrintable(err));
    if (standardOutput.isEmpty())
        QCOMPARE(out, QString());
    if (standardError.isEmpty())
        QCOMPARE(err, QString());
}

// -platform and -style reach the toolkit: the frame opens on the offscreen
// platform and the program keeps running until it is told to end.
void TestCommandLine::toolkitOptionsOpenTheFrame()
{
    const auto process = startProgram({u"-platform"_s, u"offscreen"_s, u"-style"_s, u"Fusion"_s});
    QVERIFY(process->waitForStarted());
    QVERIFY2(!process->waitForFinished(3000), process->readAllStandardError().constData());
    // Killed: a program without windows on the screen takes no polite request to end on Windows.
    process->kill();
    QVERIFY(process->waitForFinished(10000));
}

// Every language the program is built with is in the program file itself.
void TestCommandLine::programSpeaksEachOfItsLanguages_data()
{
    QTest::addColumn<QString>("language");
    for (const QString &language : QStringLiteral(THORNAX_LANGUAGES).split(u' '))
        QTest::newRow(qPrintable(language)) << language;
}

void TestCommandLine::programSpeaksEachOfItsLanguages()
{
    if (QOperatingSystemVersion::currentType() == QOperatingSystemVersion::Windows)
        QSKIP("Windows takes the display language from the user's settings, not the environment");
    QFETCH(QString, language);
    const auto helpIn = [](const QString &locale) {
        const auto process = startProgram({u"--help"_s}, locale);
        return process->waitForFinished(30000) ? process->readAllStandardOutput() : QByteArray();
    };
    const QByteArray english = helpIn(u"C.UTF-8"_s);
    const QByteArray translated = helpIn(language + u".UTF-8"_s);
    QVERIFY(english.startsWith("Usage: thornax-windows-trainer"));
    QVERIFY2(!translated.isEmpty() && translated != english, translated.constData());
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
