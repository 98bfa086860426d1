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

constexpr ToolkitOption ToolkitOptions[] = {
    {"platform", true},   {"platformpluginpath", true}, {"platformtheme", true},
    {"plugin", true},     {"qmljsdebugger", true},      {"qwindowgeometry", true},
    {"geometry", true},   {"qwindowtitle", true},       {"title", true},
    {"qwindowicon", true}, {"icon", true},              {"session", true},
    {"display", true},    {"name", true},               {"style", true},
    {"stylesheet", true}, {"reverse", false},           {"widgetcount", false},
    {"nograb", false},    {"dograb", false},            {"sync", false},
};

const QString PlatformOption = QStringLiteral("platform");

QString ProgramPrefix()
{
    return ProgramFileName() + QStringLiteral(": ");
}

StartupDecision Exit(int code, const QString &output)
{
    return {false, code, output.endsWith(u'\n') ? output : output + u'\n'};
}

StartupDecision UsageError(const QString &problem)
{
    return Exit(UsageErrorExit,
                ProgramPrefix() + problem + u'\n' +
                    QStringLiteral("Try '%1 --help' for more information.").arg(ProgramFileName()));
}

QString HelpText(const QCommandLineParser &parser)
{
    // The parser's first line names no program when there is no application object yet.
    return QStringLiteral("Usage: %1 [options]\n").arg(ProgramFileName()) +
           parser.helpText().section(u'\n', 1) +
           QStringLiteral("\nQt's standard options, such as -platform and -style, are "
                          "accepted as well.\n");
}

} // namespace

StartupDecision DecideStartup(const QStringList &arguments, bool displayInEnvironment)
{
    QCommandLineParser parser;
    // The toolkit's options are single words after one dash: -platform, not -p -l -a ...
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        ProgramTitle() +
        QStringLiteral(": drills hitting Next, holding scroll bars and retyping, then hands out "
                       "a certificate. Nothing is saved."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Print this help and exit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Print the name and version and exit."));
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
        return UsageError(parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        return UsageError(QStringLiteral("unexpected argument '%1'; the program takes none.")
                              .arg(parser.positionalArguments().constFirst()));
    if (parser.isSet(help))
        return Exit(0, HelpText(parser));
    if (parser.isSet(version))
        return Exit(0, ProgramTitle() + u' ' + DisplayVersion());

    if (!displayInEnvironment && !parser.isSet(PlatformOption))
        return Exit(NoDisplayExit,
                    ProgramPrefix() +
                        QStringLiteral("no display found (DISPLAY is not set); start it from a "
                                       "desktop session, or on a virtual one with: xvfb-run %1")
                            .arg(ProgramFileName()));
    return {};
}
