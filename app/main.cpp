#include "AppIcon.h"
#include "Program.h"
#include "Version.h"

#include <QApplication>

#ifdef _WIN32
#include <windows.h>
#endif
#ifdef Q_OS_WASM
#include "WebPage.h"
#endif
#ifdef ZOLINAR_FAILING_BUILD
// The tests' build of the program, which fails a control operation they
// choose; the program proper has no such seam.
namespace zolinar::testing {
Program::SurfaceWrapper failingSurface();
}
#endif

int main(int argc, char* argv[])
{
#ifdef _WIN32
    // The program is run from folders that others can write to, such as
    // Downloads: from here on, every DLL comes from System32 and none from
    // beside the executable. The DLLs that are not loaded before main are
    // delay-loaded for this (cmake/DelayLoad.cmake).
    if (!SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32))
        return 1;
#endif
#ifdef Q_OS_LINUX
    // A platform named in the environment that cannot start here (Wayland's,
    // when its plugin is not installed) would end the program before its
    // window: X11 is tried after it, through XWayland in a Wayland session.
    if (const QByteArray platform = qgetenv("QT_QPA_PLATFORM"); !platform.isEmpty() && !platform.contains("xcb"))
        qputenv("QT_QPA_PLATFORM", platform + ";xcb");
#endif
    QApplication app(argc, argv);
    // The desktop entry's name: the window's app id under Wayland, by which
    // docks and task switchers show its icon and name.
    QGuiApplication::setDesktopFileName(QString::fromLatin1(zolinar::desktopFileName));
    QApplication::setApplicationName(QString::fromLatin1(zolinar::applicationName));
    QApplication::setApplicationVersion(QString::fromLatin1(zolinar::applicationVersion));
    QApplication::setWindowIcon(zolinar::appIcon());
#ifdef Q_OS_WASM
    zolinar::WebPage::installFonts();
#endif
#ifdef ZOLINAR_FAILING_BUILD
    return zolinar::Program(zolinar::testing::failingSurface()).run();
#else
    return zolinar::Program().run();
#endif
}
