#include "AppIcon.h"
#include "Program.h"
#include "Version.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(zolinar::applicationName));
    QApplication::setApplicationVersion(QString::fromLatin1(zolinar::applicationVersion));
    QApplication::setWindowIcon(zolinar::appIcon());
    return zolinar::Program().run();
}
