#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// What the program does with its command line, decided before any window,
// display or application object exists.
struct StartupDecision
{
    bool start = true; // go on and open the frame
    int exitCode = 0;  // otherwise end with this code...
    QString output;    // ...after printing this: to standard output for code 0, else standard error
};

// The exit code for a command line the program does not understand.
inline constexpr int UsageErrorExit = 2;
// The exit code when no display can be found.
inline constexpr int NoDisplayExit = 1;

// Reads the whole command line, program name first. The toolkit's own options
// (-platform, -style, ...) are accepted and left for it; `displayInEnvironment`
// says whether the environment names a display, which -platform can stand in for.
// `translate` gives the decision's texts in the user's language (English when not given).
using TranslateText = std::function<QString(const char *context, const char *source)>;
StartupDecision decideStartup(const QStringList &arguments, bool displayInEnvironment,
                              const TranslateText &translate = {});
