#include "startupdecision.h"

#include "productinfo.h"

#include <QCommandLineParser>

namespace {

// Options the toolkit takes out of the command line itself when the
// application object is built; they must not be refused before that.
struct ToolkitOption
{
    const char *name;
    bool takesValue;
};

// clang-format off
constexpr ToolkitOption ToolkitOptions[] = {
    {"platform", true},   {"platformpluginpath", true}, {"platformtheme", true},
    {"plugin", true},     {"qmljsdebugger", true},      {"qwindowgeometry", true},
    {"geometry", true},   {"qwindowtitle", true},       {"title", true},
    {"qwindowicon", true}, {"icon", true},              {"session", true},
    {"display", true},    {"name", true},               {"style", true},
    {"stylesheet", true}, {"reverse", false},           {"widgetcount", false},
    {"nograb", false},    {"dograb", false},            {"sync", false},
};
// clang-format on

const QString PlatformOption = QStringLiteral("platform");

// The command line's texts, in the user's language when a translation is given.
class Texts
{
public:
    explicit Texts(const TranslateText &translate) : m_translate(translate) {}
    QString operator()(const char *source) const
    {
        return m_translate ? m_translate("StartupDecision", source) : QString::fromUtf8(source);
    }

private:
    const TranslateText &m_translate;
};

QString programPrefix()
{
    return programFileName() + QStringLiteral(": ");
}

StartupDecision exitWith(int code, const QString &output)
{
    return {false, code, output.endsWith(u'\n') ? output : output + u'\n'};
}

StartupDecision usageError(const QString &problem, const Texts &text)
{
    return exitWith(
        UsageErrorExit,
        programPrefix() + problem + u'\n' +
            text(QT_TRANSLATE_NOOP("StartupDecision", "Try '%1 --help' for more information."))
                .arg(programFileName()));
}

// The parser's message, which cannot be translated before there is an
// application object; an unknown option, the usual one, is said here instead.
QString parseError(const QCommandLineParser &parser, const Texts &text)
{
    const QStringList unknown = parser.unknownOptionNames();
    const char *source = unknown.size() == 1
                             ? QT_TRANSLATE_NOOP("StartupDecision", "Unknown option '%1'.")
                             : QT_TRANSLATE_NOOP("StartupDecision", "Unknown options: %1.");
    const QString names = unknown.join(QStringLiteral(", "));
    if (unknown.isEmpty() || parser.errorText() != QString::fromUtf8(source).arg(names))
        return parser.errorText();
    return text(source).arg(names);
}

QString helpText(const QCommandLineParser &parser, const Texts &text)
{
    // The parser's first line names no program when there is no application object yet,
    // and its heading has no translation before there is one.
    QString options = parser.helpText().section(u'\n', 1);
    options.replace(QStringLiteral("Options:\n"),
                    text(QT_TRANSLATE_NOOP("StartupDecision", "Options:")) + u'\n');
    return text(QT_TRANSLATE_NOOP("StartupDecision", "Usage: %1 [options]"))
               .arg(programFileName()) +
           u'\n' + options + u'\n' +
           text(QT_TRANSLATE_NOOP("StartupDecision",
                                  "Qt's standard options, such as -platform and -style, are "
                                  "accepted as well.")) +
           u'\n';
}

} // namespace

StartupDecision decideStartup(const QStringList &arguments, bool displayInEnvironment,
                              const TranslateText &translate)
{
    const Texts text(translate);
    QCommandLineParser parser;
    // The toolkit's options are single words after one dash: -platform, not -p -l -a ...
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        text(QT_TRANSLATE_NOOP("StartupDecision",
                               "%1: drills hitting Next, holding scroll bars and retyping, then "
                               "hands out a certificate. Nothing is saved."))
            .arg(programTitle()));
    const QCommandLineOption help(
        {QStringLiteral("h"), QStringLiteral("help")},
        text(QT_TRANSLATE_NOOP("StartupDecision", "Print this help and exit.")));
    const QCommandLineOption version(
        {QStringLiteral("v"), QStringLiteral("version")},
        text(QT_TRANSLATE_NOOP("StartupDecision", "Print the name and version and exit.")));
    parser.addOption(help);
    parser.addOption(version);
    for (const ToolkitOption &known : ToolkitOptions) {
        QCommandLineOption option(QString::fromLatin1(known.name));
        if (known.takesValue)
            option.setValueName(QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }

    if (!parser.parse(arguments))
        return usageError(parseError(parser, text), text);
    if (!parser.positionalArguments().isEmpty())
        return usageError(
            text(QT_TRANSLATE_NOOP("StartupDecision",
                                   "unexpected argument '%1'; the program takes none."))
                .arg(parser.positionalArguments().constFirst()),
            text);
    if (parser.isSet(help))
        return exitWith(0, helpText(parser, text));
    if (parser.isSet(version))
        return exitWith(0, programTitle() + u' ' + displayVersion());

    if (!displayInEnvironment && !parser.isSet(PlatformOption))
        return exitWith(
            NoDisplayExit,
            programPrefix() +
                text(QT_TRANSLATE_NOOP("StartupDecision",
                                       "no display found (DISPLAY is not set); start it "
                                       "from a desktop session, or on a virtual one with: "
                                       "xvfb-run %1"))
                    .arg(programFileName()));
    return {};
}
