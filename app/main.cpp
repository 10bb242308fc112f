#include "AppIcon.h"
#include "Program.h"
#include "Version.h"

#include <QApplication>

#ifdef Q_OS_WASM
#include "WebPage.h"
#endif

int main(int argc, char* argv[])
{
#ifdef Q_OS_LINUX
    // A platform named in the environment that cannot start here (Wayland's,
    // when its plugin is not installed) would end the program before its
    // window: X11 is tried after it, through XWayland in a Wayland session.
    if (const QByteArray platform = qgetenv("QT_QPA_PLATFORM"); !platform.isEmpty() && !platform.contains("xcb"))
        qputenv("QT_QPA_PLATFORM", platform + ";xcb");
#endif
    QApplication app(argc, argv);
    // The window's app id under Wayland, by which docks show its icon and name.
    QGuiApplication::setDesktopFileName(QString::fromLatin1(zolinar::desktopFileName));
    QApplication::setApplicationName(QString::fromLatin1(zolinar::applicationName));
    QApplication::setApplicationVersion(QString::fromLatin1(zolinar::applicationVersion));
    QApplication::setWindowIcon(zolinar::appIcon());
#ifdef Q_OS_WASM
    zolinar::WebPage::installFonts();
#endif
    return zolinar::Program(zolinar::programSurface()).run();
}
