#include "webengineplugin.h"

#include "enginefolder.h"
#include "engineview.h"
#include "noticeview.h"

#include <QCoreApplication>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace QtWebEngineCore {
// The engine's own set-up of the OpenGL context it shares with the program.
// It runs by itself only when the engine is linked into the program, which
// this module is not, so the module runs it when it is loaded.
void initialize();
} // namespace QtWebEngineCore

namespace {

// The engine's sandbox cannot run as root, and the engine will not start
// without it unless told to. Running pages unsandboxed is for the person
// running the program to choose, as the engine reads it, never the program.
bool sandboxCannotRun()
{
#ifdef Q_OS_UNIX
    const bool root = getuid() == 0 || geteuid() == 0;
    const bool waived = qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX") ||
                        qEnvironmentVariable("QTWEBENGINE_CHROMIUM_FLAGS")
                            .split(u' ')
                            .contains(QLatin1String("--no-sandbox"));
    return root && !waived;
#else
    return false;
#endif
}

} // namespace

WebEnginePlugin::WebEnginePlugin()
{
    QtWebEngineCore::initialize();
    EngineFolder::settle();
}

WebView *WebEnginePlugin::createView(QWidget *parent)
{
    if (sandboxCannotRun())
        return new NoticeView(QCoreApplication::translate(
                                  "WebEnginePlugin",
                                  "Pages are not shown to the root account: the browser's sandbox "
                                  "cannot run there.\nRun the trainer as an ordinary user, or set "
                                  "QTWEBENGINE_DISABLE_SANDBOX=1 to show pages without it."),
                              parent);
    return new EngineView(parent);
}
