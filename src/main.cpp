#include "design.h"
#include "pictures.h"
#include "productinfo.h"
#include "program.h"
#include "registerwindows.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace {

// Qt aborts with a long message when there is no screen; say it in one line.
bool HasDisplay()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS) && !defined(Q_OS_ANDROID)
    return std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY") ||
           std::getenv("QT_QPA_PLATFORM");
#else
    return true;
#endif
}

} // namespace

int main(int argc, char *argv[])
{
    if (!HasDisplay()) {
        std::fputs(
            "thornax-windows-trainer: no display found (DISPLAY is not set); start it from a "
            "desktop session, or on a virtual one with: xvfb-run thornax-windows-trainer\n",
            stderr);
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(ProgramTitle());
    QApplication::setOrganizationName(CompanyName());
    QApplication::setApplicationVersion(DisplayVersion());
    QApplication::setDesktopFileName(QStringLiteral("thornax-windows-trainer"));
    InstallFontSubstitutes();
    // Message and input boxes carry the program's icon too.
    QApplication::setWindowIcon(ProgramIcon());

    Program program(DesktopServices());
    RegisterWindows(program);
    program.Start();
    return app.exec();
}
