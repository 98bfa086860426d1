#include "runtrainer.h"

#include "console.h"
#include "design.h"
#include "languages.h"
#include "pictures.h"
#include "productinfo.h"
#include "program.h"
#include "registerwindows.h"
#include "startupdecision.h"
#include "webviewmodule.h"

#include <QApplication>

#include <cstdlib>

namespace {

// Qt aborts with a long message when there is no screen; the start-up decision
// says it in one line instead.
bool displayInEnvironment()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS) && !defined(Q_OS_ANDROID)
    return std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY") ||
           std::getenv("QT_QPA_PLATFORM");
#else
    return true;
#endif
}

QStringList argumentsOf(int argc, char *argv[])
{
    QStringList arguments;
    arguments.reserve(argc);
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

int finish(const StartupDecision &decision)
{
    const QStringView output(decision.output);
    printForUser(decision.exitCode == 0 ? stdout : stderr, {output.utf16(), size_t(output.size())});
    return decision.exitCode;
}

} // namespace

int runTrainer(int argc, char *argv[], const std::function<void(Program &)> &started)
{
    // Chosen once from the system locale, before any text is shown.
    Translations translations(Translations::systemChoice());
    const StartupDecision decision =
        decideStartup(argumentsOf(argc, argv), displayInEnvironment(),
                      [&translations](const char *context, const char *source) {
                          return translations.translate(context, source);
                      });
    if (!decision.start)
        return finish(decision);

    WebViewModule::prepareApplication();
    QApplication app(argc, argv);
    translations.install();
    QApplication::setApplicationName(programTitle());
    QApplication::setOrganizationName(companyName());
    QApplication::setApplicationVersion(displayVersion());
    QApplication::setDesktopFileName(applicationId());
    installFontSubstitutes();
    // Message and input boxes carry the program's icon too.
    QApplication::setWindowIcon(programIcon());

    Program program(desktopServices());
    registerWindows(program);
    program.start();
    if (started)
        started(program);
    return app.exec();
}
